#include "link/tcp_link.h"

#include "link/port_io.h"
#include "link/tcp_connect.h"
#include "link/win_errno.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

// The socket reports to an event (WSAEventSelect), which is what the owner's
// wait and an event loop's watch look at. The event is manual-reset: a watch
// that saw it must leave it set for the wait that follows.
struct TcpLink::System {
    SOCKET socket = INVALID_SOCKET;
    WSAEVENT event = WSA_INVALID_EVENT;
    // Windows tells of the server's hang-up once; it is remembered, so that
    // every wait after it finds the end at once.
    bool hungUp = false;
};

namespace {

int LastSocketError() {
    return ErrnoOfSocket(WSAGetLastError());
}

void StartWinsock() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    });
}

// Waits at most ms for the socket to become writable (or, with `failed`, for
// a connection attempt to fail, which Windows shows as an exception).
int WaitWritable(SOCKET s, int64_t ms, bool& writable) {
    fd_set write;
    fd_set failed;
    FD_ZERO(&write);
    FD_ZERO(&failed);
    FD_SET(s, &write);
    FD_SET(s, &failed);
    const int64_t wait = std::max<int64_t>(ms, 0);
    timeval limit{static_cast<long>(wait / 1000), static_cast<long>(wait % 1000 * 1000)};
    const int r = select(0, nullptr, &write, &failed, &limit);
    writable = r > 0 && FD_ISSET(s, &write);
    return r < 0 ? LastSocketError() : 0;
}

int ConnectOne(const addrinfo& a, int64_t deadline, SOCKET& s) {
    s = socket(a.ai_family, a.ai_socktype, a.ai_protocol);
    if (s == INVALID_SOCKET)
        return LastSocketError();
    u_long nonBlocking = 1;
    int error = ioctlsocket(s, FIONBIO, &nonBlocking) != 0 ? LastSocketError() : 0;
    if (error == 0 && connect(s, a.ai_addr, static_cast<int>(a.ai_addrlen)) != 0) {
        error = LastSocketError();
        bool connected = false;
        if (error == EAGAIN)
            error = WaitWritable(s, deadline - MonotonicMs(), connected);
        int status = 0;
        int size = sizeof status;
        if (error == 0 &&
            getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&status), &size) == 0 &&
            status != 0)
            error = ErrnoOfSocket(status);
        else if (error == 0 && !connected)
            error = ETIMEDOUT;
    }
    if (error != 0) {
        closesocket(s);
        s = INVALID_SOCKET;
        return error;
    }
    const BOOL one = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    return 0;
}

} // namespace

int TcpLink::Connect(const std::string& host, int port, int timeoutMs,
                     std::unique_ptr<TcpLink>& link) {
    StartWinsock();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* list = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0 ||
        list == nullptr)
        return EHOSTUNREACH;
    SOCKET s = INVALID_SOCKET;
    int error = ConnectToFirst(list, timeoutMs, INVALID_SOCKET, s, ConnectOne);
    freeaddrinfo(list);
    if (error != 0)
        return error;
    auto system = std::make_unique<System>();
    system->socket = s;
    system->event = WSACreateEvent();
    if (system->event == WSA_INVALID_EVENT ||
        WSAEventSelect(s, system->event, FD_READ | FD_CLOSE) != 0) {
        error = LastSocketError();
        if (system->event != WSA_INVALID_EVENT)
            WSACloseEvent(system->event);
        closesocket(s);
        return error;
    }
    link.reset(new TcpLink(std::move(system)));
    return 0;
}

TcpLink::TcpLink(std::unique_ptr<System> system) : s_(std::move(system)) {}

TcpLink::~TcpLink() {
    closesocket(s_->socket);
    WSACloseEvent(s_->event);
}

int TcpLink::Send(const uint8_t* data, std::size_t size, int64_t deadlineMs) {
    std::size_t done = 0;
    while (done < size) {
        const int chunk = static_cast<int>(std::min<std::size_t>(size - done, 1 << 20));
        const int n = send(s_->socket, reinterpret_cast<const char*>(data + done), chunk, 0);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (const int error = LastSocketError(); error != EAGAIN)
            return error;
        const int64_t left = deadlineMs - MonotonicMs();
        bool writable = false;
        if (left <= 0)
            return ETIMEDOUT;
        if (const int error = WaitWritable(s_->socket, left, writable); error != 0)
            return error;
    }
    return 0;
}

int TcpLink::Receive(uint8_t* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    const int n = recv(s_->socket, reinterpret_cast<char*>(buffer),
                       static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
    if (n > 0) {
        got = static_cast<std::size_t>(n);
        return 0;
    }
    if (n == 0)
        return ECONNRESET;
    const int error = LastSocketError();
    return error == EAGAIN ? 0 : error;
}

int TcpLink::WaitReadable(int timeoutMs, bool& readable) {
    readable = s_->hungUp;
    if (readable)
        return 0;
    const DWORD wait = timeoutMs < 0 ? WSA_INFINITE : static_cast<DWORD>(timeoutMs);
    const DWORD r = WSAWaitForMultipleEvents(1, &s_->event, FALSE, wait, FALSE);
    if (r == WSA_WAIT_FAILED)
        return LastSocketError();
    if (r != WSA_WAIT_TIMEOUT) {
        // Cleared before the bytes are read: what comes after sets it again.
        // (Reading the record of what happened instead costs every board's
        // answer a fifth more under Wine.)
        WSAResetEvent(s_->event);
        readable = true;
        return 0;
    }
    // A quiet wait reads the record: a hang-up that came with the last bytes
    // set the event that was cleared for them.
    WSANETWORKEVENTS happened{};
    if (WSAEnumNetworkEvents(s_->socket, s_->event, &happened) != 0)
        return LastSocketError();
    s_->hungUp = (happened.lNetworkEvents & FD_CLOSE) != 0;
    readable = (happened.lNetworkEvents & (FD_READ | FD_CLOSE)) != 0;
    return 0;
}

int TcpLink::Unsent(int& bytes) const {
    bytes = 0; // Windows does not tell
    return 0;
}

void TcpLink::EndSending() {
    shutdown(s_->socket, SD_SEND);
}

Waitable TcpLink::Handle() const {
    return s_->event;
}
