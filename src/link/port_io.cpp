#include "link/port_io.h"

#include <chrono>
#include <thread>

int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WaitOut(int timeoutMs) {
    if (timeoutMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
}

void RxQueue::Append(const uint8_t* data, size_t count) {
    if (count == 0)
        return;
    bytes_.insert(bytes_.end(), data, data + count);
    newData_ = true;
}

bool RxQueue::Pop(uint8_t& byte) {
    if (bytes_.empty())
        return false;
    byte = bytes_.front();
    bytes_.pop_front();
    return true;
}

void RxQueue::TakeAll(std::string& out) {
    out.append(bytes_.begin(), bytes_.end());
    bytes_.clear();
}

bool RxQueue::TakeNewData() {
    const bool had = newData_;
    newData_ = false;
    return had;
}
