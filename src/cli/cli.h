#pragma once

#include "link/serial_port.h"
#include "platform/sleep.h"

#include <functional>

#include <ostream>
#include <string>
#include <vector>

// What tessaro-cli takes from the world around it; tests give their own.
struct CliEnvironment {
    std::string programDir;      // the program folder, ending in '/'
    std::ostream* out = nullptr; // results: chip lists, info, --json objects
    std::ostream* err = nullptr; // messages, status, progress
    bool errIsTerminal = false;  // draw a progress bar on err
    Sleeper sleep;               // the board reset pulse and the socket settle pauses
    // After the board has greeted, the line is left to settle this long: a
    // board released by the port's opening may greet a second time.
    int settleMs = 250;
    // Where the machine's sys/ and dev/ are looked at for serial devices;
    // empty: the machine itself.
    std::string systemRoot;
    // A replay: opens every port the run asks for (unset: the real ports),
    // and hears each state the engine enters.
    PortOpener openPort;
    std::function<void(int state, const char* name)> stateEntered;
};

// Runs tessaro-cli with its arguments (without the program name); returns the
// exit code. Ctrl-C is counted while it runs and cancels what is under way.
int RunCli(const std::vector<std::string>& args, const CliEnvironment& env);
