#include "in_process_link.h"

#include <algorithm>

namespace boardsim {

void InProcessLink::Advance(std::int64_t us) {
    now_ += std::max<std::int64_t>(0, us);
    board_.SetTime(now_);
}

void InProcessLink::Write(std::string_view bytes) {
    board_.SetTime(now_);
    board_.Receive(bytes);
}

void InProcessLink::SetDtr(bool high) {
    board_.SetTime(now_);
    board_.SetDtr(high);
}

void InProcessLink::SetRts(bool high) {
    board_.SetTime(now_);
    board_.SetRts(high);
}

std::string InProcessLink::ReadDelivery() {
    board_.SetTime(now_);
    return board_.TakeDelivery();
}

std::string InProcessLink::ReadAll() {
    board_.SetTime(now_);
    return board_.TakeReady();
}

std::string InProcessLink::Drain() {
    std::string out;
    while (board_.HasOutput()) {
        now_ = std::max(now_, board_.NextReadyTime());
        out += ReadAll();
    }
    return out;
}

} // namespace boardsim
