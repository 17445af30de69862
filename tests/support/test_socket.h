#pragma once

#include <string>

// A TCP client on loopback for tests that speak to a server themselves; one
// file per platform (POSIX sockets, Winsock).
class TestSocket {
public:
    // Connects to 127.0.0.1:port, Nagle off.
    explicit TestSocket(int port);
    ~TestSocket();
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;

    bool Connected() const { return connected_; }
    // Sends every byte; false when it could not.
    bool Send(const std::string& bytes);
    // What came within timeoutMs (empty when nothing did); `closed` tells
    // whether the other end went.
    std::string Receive(int timeoutMs, bool& closed);
    void Close();

private:
    long long socket_ = -1;
    bool connected_ = false;
};

// A loopback TCP port nobody listens on now.
int FreeTcpPort();
