#include "server_sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <mutex>

namespace boardsim {

namespace {

std::string ErrorText(int code) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

void CloseSocket(SOCKET& s) {
    if (s != INVALID_SOCKET) {
        closesocket(s);
        s = INVALID_SOCKET;
    }
}

// How long a send may wait for a client that does not read.
constexpr int kSendWaitMs = 5000;

} // namespace

// Each socket reports to an event of its own (WSAEventSelect), so that one
// wait covers the wake-up, the listening socket and the client.
struct ServerSockets::Handles {
    SOCKET listen = INVALID_SOCKET;
    SOCKET client = INVALID_SOCKET;
    WSAEVENT wake = WSACreateEvent();
    WSAEVENT listenEvent = WSACreateEvent();
    WSAEVENT clientEvent = WSACreateEvent();
    // Windows tells of a closed connection once: it is read until recv says so.
    bool clientClosing = false;
};

ServerSockets::ServerSockets() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    });
    h_ = std::make_unique<Handles>();
}

ServerSockets::~ServerSockets() {
    Close();
    WSACloseEvent(h_->wake);
    WSACloseEvent(h_->listenEvent);
    WSACloseEvent(h_->clientEvent);
}

bool ServerSockets::Listen(const std::string& host, int port, std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    if (port < 0 || port > 65535 || inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address and port: " + host + ":" + std::to_string(port);
        return false;
    }
    h_->listen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (h_->listen == INVALID_SOCKET ||
        bind(h_->listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(h_->listen, 4) != 0 || WSAEventSelect(h_->listen, h_->listenEvent, FD_ACCEPT) != 0) {
        error = "cannot listen: " + ErrorText(WSAGetLastError());
        CloseSocket(h_->listen);
        return false;
    }
    int length = sizeof address;
    getsockname(h_->listen, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    return true;
}

bool ServerSockets::Wait(std::int64_t waitUs, Ready& ready) {
    const WSAEVENT events[] = {h_->wake, h_->listenEvent, h_->clientEvent};
    const DWORD count = h_->client != INVALID_SOCKET ? 3 : 2;
    // Whole milliseconds, rounded down: the caller waits out the rest awake.
    const DWORD ms = waitUs < 0 ? WSA_INFINITE : static_cast<DWORD>(waitUs / 1000);
    if (!h_->clientClosing &&
        WSAWaitForMultipleEvents(count, events, FALSE, ms, FALSE) == WSA_WAIT_FAILED)
        return false;
    WSAResetEvent(h_->wake);
    WSANETWORKEVENTS happened{};
    ready.connection = WSAEnumNetworkEvents(h_->listen, h_->listenEvent, &happened) == 0 &&
                       (happened.lNetworkEvents & FD_ACCEPT);
    happened = {};
    if (count == 3 && WSAEnumNetworkEvents(h_->client, h_->clientEvent, &happened) == 0)
        h_->clientClosing = h_->clientClosing || (happened.lNetworkEvents & FD_CLOSE);
    ready.client = count == 3 && (h_->clientClosing || (happened.lNetworkEvents & FD_READ));
    return true;
}

bool ServerSockets::Accept() {
    SOCKET s = accept(h_->listen, nullptr, nullptr);
    if (s == INVALID_SOCKET)
        return false;
    CloseClient();
    const BOOL one = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    WSAEventSelect(s, h_->clientEvent, FD_READ | FD_CLOSE);
    h_->client = s;
    return true;
}

bool ServerSockets::HasClient() const {
    return h_->client != INVALID_SOCKET;
}

long ServerSockets::Receive(char* buffer, std::size_t size) {
    const int got = recv(h_->client, buffer, static_cast<int>(size), 0);
    if (got > 0)
        return got;
    if (got < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
        h_->clientClosing = false; // the close was not this connection's end after all
        return -1;
    }
    return 0;
}

bool ServerSockets::Send(const char* data, std::size_t size) {
    std::size_t sent = 0;
    while (h_->client != INVALID_SOCKET && sent < size) {
        const int n = send(h_->client, data + sent, static_cast<int>(size - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n == 0 || WSAGetLastError() != WSAEWOULDBLOCK)
            return false;
        // The socket is non-blocking (it reports to an event): wait for room.
        fd_set writable;
        FD_ZERO(&writable);
        FD_SET(h_->client, &writable);
        timeval wait{kSendWaitMs / 1000, 0};
        if (select(0, nullptr, &writable, nullptr, &wait) != 1)
            return false;
    }
    return h_->client != INVALID_SOCKET;
}

void ServerSockets::CloseClient() {
    CloseSocket(h_->client);
    h_->clientClosing = false;
    WSAResetEvent(h_->clientEvent);
}

void ServerSockets::Wake() {
    WSASetEvent(h_->wake);
}

void ServerSockets::Close() {
    CloseClient();
    CloseSocket(h_->listen);
}

} // namespace boardsim
