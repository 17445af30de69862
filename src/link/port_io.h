#pragma once

#include <cerrno>

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

// Small POSIX pieces shared by the serial back-ends.

int64_t MonotonicMs();

// The shorter of two poll timeouts, -1 meaning none.
inline int ShorterTimeout(int a, int b) {
    return a < 0 ? b : (b < 0 ? a : (a < b ? a : b));
}

// An eventfd that wakes a poll() from another thread.
class WakeFd {
public:
    WakeFd();
    ~WakeFd();
    WakeFd(const WakeFd&) = delete;
    WakeFd& operator=(const WakeFd&) = delete;

    int Fd() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    void Signal();
    // Clears the pending wake-ups; returns whether there were any.
    bool Drain();

private:
    int fd_ = -1;
};

// Received bytes waiting for ReadByte, with a flag telling the event thread
// that bytes came in since it last looked.
class RxQueue {
public:
    static constexpr size_t Capacity = 65536;

    void Append(const uint8_t* data, size_t count);
    bool Pop(uint8_t& byte);
    // Appends every queued byte to `out`.
    void TakeAll(std::string& out);
    size_t Size() const;
    bool Full() const;
    void Clear();
    // Returns and clears the "bytes came in" flag.
    bool TakeNewData();

private:
    mutable std::mutex mutex_;
    std::deque<uint8_t> bytes_;
    bool newData_ = false;
};

// The owner's read of one byte from a back-end: a queued byte, else whatever
// `pump` (the back-end's read of its descriptor, 0 on success) brings in. When
// bytes stay queued the event thread is woken to announce them. Returns EBADF
// once the port is shut.
template <class Pump>
int ReadQueuedByte(RxQueue& rx, WakeFd& wake, bool shut, Pump pump, uint8_t& byte, bool& got) {
    got = rx.Pop(byte);
    if (got || shut)
        return shut ? EBADF : 0;
    if (pump() == 0 && rx.Size() > 0) {
        got = rx.Pop(byte);
        if (rx.Size() > 0)
            wake.Signal();
    }
    return 0;
}

// Writes all of data to a non-blocking fd, waiting for room until the
// deadline. Returns 0, ETIMEDOUT or the write error. Sockets are written
// without SIGPIPE, so a dropped connection is an error code, not a signal.
int WriteWithDeadline(int fd, const uint8_t* data, size_t size, int64_t deadlineMs, bool socket);

// Swaps fd for /dev/null so the device or connection behind it is released
// while the descriptor number stays valid for a thread still polling it.
void DetachFd(int fd);
