#pragma once

#include <cstdint>
#include <deque>
#include <string>

// Small pieces shared by the serial back-ends of every platform.

int64_t MonotonicMs();

// The shorter of two wait times, -1 meaning none.
inline int ShorterTimeout(int a, int b) {
    return a < 0 ? b : (b < 0 ? a : (a < b ? a : b));
}

// Waits out timeoutMs on a port that can bring nothing more (a failed one):
// the owner's serve loop keeps its pace instead of spinning.
void WaitOut(int timeoutMs);

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
