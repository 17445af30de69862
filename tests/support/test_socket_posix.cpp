#include "test_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
sockaddr_in Loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}
} // namespace

TestSocket::TestSocket(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    socket_ = fd;
    const sockaddr_in address = Loopback(port);
    connected_ = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

TestSocket::~TestSocket() {
    Close();
}

bool TestSocket::Send(const std::string& bytes) {
    return ::send(static_cast<int>(socket_), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

std::string TestSocket::Receive(int timeoutMs, bool& closed) {
    closed = false;
    pollfd p{static_cast<int>(socket_), POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return {};
    char buffer[4096];
    const ssize_t got = ::recv(static_cast<int>(socket_), buffer, sizeof buffer, 0);
    closed = got <= 0;
    return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
}

void TestSocket::Close() {
    if (socket_ >= 0)
        ::close(static_cast<int>(socket_));
    socket_ = -1;
}

int FreeTcpPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = Loopback(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t size = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
    ::close(fd);
    return ntohs(a.sin_port);
}
