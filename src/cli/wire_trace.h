#pragma once

#include "protocol/protocol_state.h"

#include <chrono>
#include <iosfwd>
#include <string>

// tessaro-cli --trace: every change of the engine's state and every byte on
// the line, each with the seconds since the trace began, one line each on
// standard error, for a user chasing a real board's fault (a long delivery
// shows its first 32 bytes and its length):
//   trace   0.1003 tx 50 03 00 02
//   trace   0.1021 rx 50 49
//   trace   0.1021 state 10 AwaitStart -> 11 AwaitModel
class WireTrace {
public:
    explicit WireTrace(std::ostream& out);
    void Bytes(const char* direction, const std::string& bytes);
    void State(EngineState from, EngineState to);

private:
    void Line(const std::string& text);

    std::ostream& out_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
