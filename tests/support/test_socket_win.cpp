#include "test_socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

namespace {
sockaddr_in Loopback(int port) {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    });
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<u_short>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}
} // namespace

TestSocket::TestSocket(int port) {
    const sockaddr_in address = Loopback(port);
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    socket_ = static_cast<long long>(s);
    connected_ = connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const BOOL one = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
}

TestSocket::~TestSocket() {
    Close();
}

bool TestSocket::Send(const std::string& bytes) {
    return send(static_cast<SOCKET>(socket_), bytes.data(), static_cast<int>(bytes.size()), 0) ==
           static_cast<int>(bytes.size());
}

std::string TestSocket::Receive(int timeoutMs, bool& closed) {
    closed = false;
    WSAPOLLFD p{static_cast<SOCKET>(socket_), POLLRDNORM, 0};
    if (WSAPoll(&p, 1, timeoutMs) <= 0)
        return {};
    char buffer[4096];
    const int got = recv(static_cast<SOCKET>(socket_), buffer, sizeof buffer, 0);
    closed = got <= 0;
    return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
}

void TestSocket::Close() {
    if (socket_ != -1)
        closesocket(static_cast<SOCKET>(socket_));
    socket_ = -1;
}

int FreeTcpPort() {
    sockaddr_in a = Loopback(0);
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int size = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
    closesocket(s);
    return ntohs(a.sin_port);
}
