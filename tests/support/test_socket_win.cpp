#include "test_socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

int FreeTcpPort() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    });
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int size = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
    closesocket(s);
    return ntohs(a.sin_port);
}
