#include "link/tcp_link.h"

#include "link/port_io.h"
#include "link/port_io_posix.h"
#include "link/tcp_connect.h"

#include <algorithm>
#include <cerrno>
#include <linux/sockios.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

struct TcpLink::System {
    int fd = -1;
};

namespace {

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

int TcpLink::Connect(const std::string& host, int port, int timeoutMs,
                     std::unique_ptr<TcpLink>& link) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0 ||
        list == nullptr)
        return EHOSTUNREACH;
    int fd = -1;
    const int error = ConnectToFirst(list, timeoutMs, -1, fd, ConnectOne);
    freeaddrinfo(list);
    if (error != 0)
        return error;
    auto system = std::make_unique<System>();
    system->fd = fd;
    link.reset(new TcpLink(std::move(system)));
    return 0;
}

TcpLink::TcpLink(std::unique_ptr<System> system) : s_(std::move(system)) {}

TcpLink::~TcpLink() {
    close(s_->fd);
}

int TcpLink::Send(const uint8_t* data, std::size_t size, int64_t deadlineMs) {
    return WriteWithDeadline(s_->fd, data, size, deadlineMs, true);
}

int TcpLink::Receive(uint8_t* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    for (;;) {
        const ssize_t n = recv(s_->fd, buffer, size, MSG_DONTWAIT);
        if (n > 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return 0;
        return n == 0 ? ECONNRESET : errno;
    }
}

int TcpLink::WaitReadable(int timeoutMs, bool& readable) {
    pollfd connection{s_->fd, POLLIN, 0};
    const int r = poll(&connection, 1, timeoutMs);
    readable = r > 0 && connection.revents != 0;
    return r < 0 && errno != EINTR ? errno : 0;
}

int TcpLink::Unsent(int& bytes) const {
    bytes = 0;
    return ioctl(s_->fd, SIOCOUTQ, &bytes) == 0 ? 0 : errno;
}

void TcpLink::EndSending() {
    shutdown(s_->fd, SHUT_WR);
}

Waitable TcpLink::Handle() const {
    return s_->fd;
}
