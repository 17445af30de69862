#pragma once

#include <memory>
#include <string>

class TcpLink;

// A TCP client on loopback for tests that speak to a server themselves: the
// program's own TCP connection, waited on as a test waits.
class TestSocket {
public:
    // Connects to 127.0.0.1:port, Nagle off.
    explicit TestSocket(int port);
    ~TestSocket();
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;

    bool Connected() const { return link_ != nullptr; }
    // Sends every byte; false when it could not.
    bool Send(const std::string& bytes);
    // What came within timeoutMs (empty when nothing did); `closed` tells
    // whether the other end went.
    std::string Receive(int timeoutMs, bool& closed);
    void Close();

private:
    std::unique_ptr<TcpLink> link_;
};

// A loopback TCP port nobody listens on now; one file per platform (POSIX
// sockets, Winsock).
int FreeTcpPort();
