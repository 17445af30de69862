#pragma once

#include "cli/cli_command.h"
#include "cli/serial_numbers.h"

#include <string>
#include <utility>
#include <vector>

// What the command line of tessaro-cli asks for.
struct CliOptions {
    CliCommand command = CliCommand::None;
    std::string file;               // the command's HEX file
    std::string port = "COM1";      // COMn, a device path, rfc2217://HOST:PORT or auto
    std::vector<std::string> ports; // every --port given, in order (several: one engine each)
    int style = -1;                 // -1: the style the board announces
    std::string chip;               // as typed
    std::string cid;                // empty: the program folder's chipinfo.cid
    bool icsp = false;
    bool ignoreBlankCheck = false;
    bool idGiven = false;
    std::string id;                                         // hex digits of the ID locations
    std::vector<std::pair<std::string, std::string>> fuses; // label, option
    bool yes = false;
    bool quiet = false;
    bool json = false;
    std::string log; // empty: no production log
    int count = 0;   // auto: chips to program; 0 until interrupted
    bool help = false;
    bool version = false;
    SerialOptions serial;
    bool watch = false;   // program: again each time the file is rewritten
    bool trace = false;   // every state change and byte on the line, timed, on standard error
    bool disasm = false;  // read: print the program memory read as instructions
    int calibration = -1; // --calibration: the value for a chip whose own reads blank
    std::string record;   // --record: the session written down, each byte and line change
    bool fast = false;    // replay: as fast as it goes, not at the recorded pace
    std::string hexFile;  // replay --file: the HEX file in place of the one recorded
    std::string exportAs; // replay --export: the recording in another format (spy)
    std::vector<std::string> args; // the command line as given
};

struct CliParseResult {
    bool ok = false;
    std::string error; // why the command line was refused
    CliOptions options;
};

CliParseResult ParseCliOptions(const std::vector<std::string>& args);
// --record on a board, --fast, --file and --export with replay: "" or why not
// (cli_replay.cpp).
std::string CheckReplayOptions(const CliOptions& options, const CliCommandRow& command);
// The usage of recording and replay, after CliUsage's.
const char* CliRecordUsage();

// The --help text.
const char* CliUsage();
