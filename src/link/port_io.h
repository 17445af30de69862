#pragma once

#include <cstdint>
#include <deque>
#include <string>

// Small POSIX pieces shared by the serial back-ends.

int64_t MonotonicMs();

// The shorter of two poll timeouts, -1 meaning none.
inline int ShorterTimeout(int a, int b) {
    return a < 0 ? b : (b < 0 ? a : (a < b ? a : b));
}

// Received bytes waiting for the owner, with a flag telling the next wait
// that bytes came in since it last looked (they may have been read from the
// device outside a wait, by ReadByte).
class RxQueue {
public:
    static constexpr size_t Capacity = 65536;

    void Append(const uint8_t* data, size_t count);
    bool Pop(uint8_t& byte);
    // Appends every queued byte to `out`.
    void TakeAll(std::string& out);
    size_t Size() const { return bytes_.size(); }
    bool Full() const { return bytes_.size() >= Capacity; }
    void Clear() { bytes_.clear(); }
    // Returns and clears the "bytes came in" flag.
    bool TakeNewData();

private:
    std::deque<uint8_t> bytes_;
    bool newData_ = false;
};

// Writes all of data to a non-blocking fd, waiting for room until the
// deadline. Returns 0, ETIMEDOUT or the write error. Sockets are written
// without SIGPIPE, so a dropped connection is an error code, not a signal.
int WriteWithDeadline(int fd, const uint8_t* data, size_t size, int64_t deadlineMs, bool socket);
