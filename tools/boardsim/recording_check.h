#pragma once

#include "board.h"
#include "recorded_session.h"

#include <string>
#include <vector>

namespace boardsim {

// Where the board answered otherwise than the recorded one.
struct CheckDifference {
    int line = 0;         // of the recording, where the recorded board's bytes stand
    std::string recorded; // hex, what the recorded board said
    std::string simulated;
    std::int64_t recordedUs = 0; // with a timing check: when each said it
    std::int64_t simulatedUs = 0;
};

// Feeds the recording's host side (bytes and line changes, each at its
// recorded time) to `board` and compares its answers with the recorded
// board's, byte for byte; with timingUs >= 0 also their times: the recorded
// board's bytes were taken by the program at "t", so the simulator's must be
// ready no later than t + timingUs.
std::vector<CheckDifference> CheckRecording(Board& board, const RecordedSession& session,
                                            int timingUs);

} // namespace boardsim
