#pragma once

#include "board.h"

#include <string>

namespace boardsim {

struct ConsoleReply {
    bool quit = false;
    std::string text; // shown to the user; empty for nothing
};

// The console's commands, as --help and the answer to a line it does not know list them.
inline constexpr const char* kConsoleCommands =
    "insert, remove, fault WORDS, noise B1 B2 ..., pace on|off,\n"
    "  dump [FILE], load FILE, erase (the chip blank), status,\n"
    "  turnaround (the board's answer times so far: median, p99, max), help, quit\n";

// Runs one line typed on the simulator's standard input against the board.
// `dumpPath` is where "dump" without a file name writes (empty: the HEX goes to the reply).
ConsoleReply RunConsoleLine(Board& board, const std::string& line, const std::string& dumpPath);

} // namespace boardsim
