#pragma once

#include <string>

class CliSession;

// tessaro-cli's commands.
enum class CliCommand {
    None,
    Info,
    Chips,
    Ports,
    Blank,
    Erase,
    Read,
    Verify,
    Program,
    Auto,
    Calibration,
    Disasm,
    Checksum,
    Replay,
    Upgrade
};

// What a command does with the HEX file named after it.
enum class CliFile { None, In, Out };

// The options only some commands take, as bits of CliCommandRow::takes.
enum CliTakes : unsigned {
    kTakesImage = 1,  // --id, --fuse: the file is the image sent or compared
    kTakesWrite = 2,  // serial numbers, --calibration: chips are written
    kTakesCount = 4,  // --count
    kTakesWatch = 8,  // --watch
    kTakesDisasm = 16 // --disasm
};

// One command: what option checking, dispatch and reporting know of it.
struct CliCommandRow {
    CliCommand command;
    const char* word;     // on the command line
    CliFile file;         // what it does with its file
    bool onBoard;         // needs a board; the others run without a port
    bool onSeveralBoards; // may run on several --port at once
    unsigned takes;       // CliTakes bits
    const char* result;   // "operation" of its results; null: it reports none
    int (CliSession::*run)();
};

// The row of a command word; null for none.
const CliCommandRow* FindCommand(const std::string& word);
const CliCommandRow& CommandRow(CliCommand command);
