#include "workbench/ticker.h"

#include <algorithm>

void DeadlineTicker::Start(int intervalMs) {
    // Starting the ticks starts their interval anew, as a window timer does.
    on_ = true;
    interval_ = std::chrono::milliseconds(intervalMs);
    next_ = Clock::now() + interval_;
}

bool DeadlineTicker::Due() {
    const Clock::time_point now = Clock::now();
    if (!on_ || now < next_)
        return false;
    next_ = now + interval_;
    return true;
}

int DeadlineTicker::WaitMs(int longest) const {
    if (!on_)
        return longest;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(next_ - Clock::now());
    return std::clamp(static_cast<int>(left.count()), 0, longest);
}
