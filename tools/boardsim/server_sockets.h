#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace boardsim {

// What the network server needs of the system: a listening TCP socket, at
// most one client, and a wake-up that other threads signal. One file per
// platform (POSIX sockets and a pipe; Winsock and an event).
class ServerSockets {
public:
    ServerSockets();
    ~ServerSockets();
    ServerSockets(const ServerSockets&) = delete;
    ServerSockets& operator=(const ServerSockets&) = delete;

    // Listens on an IPv4 address and port (0: a free one); false and a reason
    // when it cannot.
    bool Listen(const std::string& host, int port, std::string& error);
    int Port() const { return port_; }

    struct Ready {
        bool connection = false; // a connection waits to be accepted
        bool client = false;     // the client sent something, or went
    };
    // Waits until Wake is called, a connection or the client's bytes come, or
    // waitUs pass (-1: no limit). False when the sockets cannot be waited on.
    bool Wait(std::int64_t waitUs, Ready& ready);
    // Takes the waiting connection as the client, closing the one before;
    // false when none was waiting.
    bool Accept();
    bool HasClient() const;
    // The client's bytes: the count read, 0 when the client went (or its
    // connection failed), -1 when nothing is there now.
    long Receive(char* buffer, std::size_t size);
    // Sends every byte; false when the client can no longer be sent to.
    bool Send(const char* data, std::size_t size);
    void CloseClient();
    // From any thread: ends the current or next Wait.
    void Wake();
    void Close();

private:
    struct Handles;
    std::unique_ptr<Handles> h_;
    int port_ = 0;
};

} // namespace boardsim
