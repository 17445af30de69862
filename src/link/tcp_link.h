#pragma once

#include "link/waitable.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The TCP connection under a network serial port, one file per platform
// (POSIX sockets; Winsock, whose socket reports to an event). Nagle is off: a
// board's answer is one small packet that must not wait for the next. Nothing
// here waits longer than it is asked to. Results are 0 or errno-style codes.
class TcpLink {
public:
    // Connects to host:port, giving up after timeoutMs.
    static int Connect(const std::string& host, int port, int timeoutMs,
                       std::unique_ptr<TcpLink>& link);
    ~TcpLink(); // closes the connection
    TcpLink(const TcpLink&) = delete;
    TcpLink& operator=(const TcpLink&) = delete;

    // Sends every byte, waiting for room until deadlineMs (MonotonicMs);
    // ETIMEDOUT when there was none in time.
    int Send(const uint8_t* data, std::size_t size, int64_t deadlineMs);
    // Takes what has arrived without waiting: `got` bytes (0 when nothing is
    // there now). ECONNRESET once the server has hung up.
    int Receive(uint8_t* buffer, std::size_t size, std::size_t& got);
    // Waits at most timeoutMs until something can be received (bytes, or the
    // end of the connection).
    int WaitReadable(int timeoutMs, bool& readable);
    // Bytes handed to the connection that the server has not taken yet; 0
    // where the system does not tell.
    int Unsent(int& bytes) const;
    // Sends nothing more: the server sees the end of our bytes.
    void EndSending();
    // What an event loop watches for Receive.
    Waitable Handle() const;

private:
    struct System;
    explicit TcpLink(std::unique_ptr<System> system);
    std::unique_ptr<System> s_;
};
