#include "link/port_io.h"
#include "link/rfc2217_port.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A server that does not take the connection in this time is an error.
constexpr int ConnectMs = 2000;

int ConnectOne(const addrinfo& a, int64_t deadline, int& fd) {
    fd = socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0)
        return errno;
    int error = 0;
    if (connect(fd, a.ai_addr, a.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int left = static_cast<int>(std::max<int64_t>(deadline - MonotonicMs(), 0));
            int r = poll(&p, 1, left);
            socklen_t size = sizeof error;
            if (r <= 0)
                error = r == 0 ? ETIMEDOUT : errno;
            else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
                error = errno;
        }
    }
    if (error != 0) {
        close(fd);
        fd = -1;
        return error;
    }
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return 0;
}

} // namespace

OpenResult OpenRfc2217Port(const std::string& host, int tcpPort, int ackTimeoutMs) {
    if (tcpPort <= 0 || tcpPort > 65535)
        return {nullptr, EINVAL};
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    std::string service = std::to_string(tcpPort);
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &list) != 0 || list == nullptr)
        return {nullptr, EHOSTUNREACH};
    int64_t deadline = MonotonicMs() + ConnectMs;
    int fd = -1;
    int error = ECONNREFUSED;
    for (addrinfo* a = list; a != nullptr && fd < 0; a = a->ai_next)
        error = ConnectOne(*a, deadline, fd);
    freeaddrinfo(list);
    if (fd < 0)
        return {nullptr, error};
    auto port = std::make_unique<Rfc2217Port>(fd, ackTimeoutMs);
    if (int startError = port->Start(); startError != 0)
        return {nullptr, startError};
    return {std::move(port), 0};
}
