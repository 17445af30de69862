#pragma once

#include "board.h"

#include <string>

namespace boardsim {

struct ConsoleReply {
    bool quit = false;
    std::string text; // shown to the user; empty for nothing
};

// Runs one line typed on the simulator's standard input against the board.
// `dumpPath` is where "dump" without a file name writes (empty: the HEX goes to the reply).
ConsoleReply RunConsoleLine(Board& board, const std::string& line, const std::string& dumpPath);

} // namespace boardsim
