#include "server_sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace boardsim {

namespace {
void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}
} // namespace

struct ServerSockets::Handles {
    int listen = -1;
    int client = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
};

ServerSockets::ServerSockets() : h_(std::make_unique<Handles>()) {}

ServerSockets::~ServerSockets() {
    Close();
}

bool ServerSockets::Listen(const std::string& host, int port, std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (port < 0 || port > 65535 || ::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address and port: " + host + ":" + std::to_string(port);
        return false;
    }
    h_->listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(h_->listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (h_->listen < 0 ||
        ::bind(h_->listen, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        ::listen(h_->listen, 4)) {
        error = std::string("cannot listen: ") + std::strerror(errno);
        CloseFd(h_->listen);
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(h_->listen, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = std::string("cannot create a pipe: ") + std::strerror(errno);
        CloseFd(h_->listen);
        return false;
    }
    h_->wakeRead = pipeFds[0];
    h_->wakeWrite = pipeFds[1];
    return true;
}

bool ServerSockets::Wait(std::int64_t waitUs, Ready& ready) {
    pollfd fds[3] = {{h_->wakeRead, POLLIN, 0}, {h_->listen, POLLIN, 0}, {h_->client, POLLIN, 0}};
    const nfds_t count = h_->client >= 0 ? 3 : 2;
    timespec wait{waitUs / 1'000'000, (waitUs % 1'000'000) * 1000};
    if (::ppoll(fds, count, waitUs < 0 ? nullptr : &wait, nullptr) < 0 && errno != EINTR)
        return false;
    if (fds[0].revents & POLLIN) {
        char drain[64];
        while (::read(h_->wakeRead, drain, sizeof drain) > 0) {
        }
    }
    ready.connection = (fds[1].revents & POLLIN) != 0;
    ready.client = count == 3 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR));
    return true;
}

bool ServerSockets::Accept() {
    const int fd = ::accept4(h_->listen, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return false;
    CloseClient();
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    h_->client = fd;
    return true;
}

bool ServerSockets::HasClient() const {
    return h_->client >= 0;
}

long ServerSockets::Receive(char* buffer, std::size_t size) {
    const ssize_t got = ::recv(h_->client, buffer, size, 0);
    if (got > 0)
        return static_cast<long>(got);
    return got < 0 && (errno == EINTR || errno == EAGAIN) ? -1 : 0;
}

bool ServerSockets::Send(const char* data, std::size_t size) {
    std::size_t sent = 0;
    while (h_->client >= 0 && sent < size) {
        const ssize_t n = ::send(h_->client, data + sent, size - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return h_->client >= 0;
}

void ServerSockets::CloseClient() {
    CloseFd(h_->client);
}

void ServerSockets::Wake() {
    if (h_->wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(h_->wakeWrite, &byte, 1);
    }
}

void ServerSockets::Close() {
    CloseFd(h_->client);
    CloseFd(h_->listen);
    CloseFd(h_->wakeRead);
    CloseFd(h_->wakeWrite);
}

} // namespace boardsim
