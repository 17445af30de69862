#pragma once

#include "chip.h"
#include "faults.h"
#include "wire_codes.h"

#include <string>
#include <vector>

namespace boardsim {

// What the command line of tessaro-boardsim asks for.
struct SimOptions {
    Model model = Model::Elm;
    std::string chipName; // from the chip file; empty: the chip given by hand
    std::string cidPath;  // empty: chipinfo.cid beside the program, then in the current folder
    ChipConfig chip;      // by hand (or the defaults)
    int revision = 0;
    std::string host = "127.0.0.1";
    int port = 0;
    std::string loadPath;
    std::string dumpPath;
    Pacing pacing;
    bool log = false;
    bool emptySocket = false;
    std::vector<std::vector<std::string>> faults;
    std::string checkPath;  // --check: a recording's host side against this board
    std::string replayPath; // --replay: a recording's board served in place of this one
    int timingUs = -1;      // --timing: the answers' times too, within this many microseconds
    bool json = false;
    bool help = false;
    bool version = false;
};

struct SimOptionsResult {
    bool ok = false;
    std::string error;
    SimOptions options;
};

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();

} // namespace boardsim
