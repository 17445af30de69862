#pragma once

#include "cli/cli_command.h"
#include "cli/json_line.h"
#include "protocol/operation.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

// Exit codes of tessaro-cli, as the README and --help list them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitChip = 1;        // verify difference, not blank, write error, declined
inline constexpr int kExitBoard = 2;       // no answer, wrong answer, port unusable
inline constexpr int kExitInput = 3;       // option, chip name, HEX file, chip file
inline constexpr int kExitInterrupted = 4; // Ctrl-C

// How one operation on one chip went.
struct OperationResult {
    CliCommand operation = CliCommand::None; // a row whose `result` names it
    int number = 0;                          // the chip's number in an automatic run, else 0
    bool started = false;                    // false: the program refused (its message says why)
    bool declined = false;                   // not started because a question was answered No
    bool interrupted = false;
    Outcome outcome = Outcome::None;
    double seconds = 0;
    ResultDetails details;
    std::string configBytes; // the chip's configuration answer, when it was read
    std::string message;     // the last message shown
    // The image written, compared or read: the checksum the chip maker's tools
    // show ("0x1A2B"; empty for a serial EEPROM, which has none) and the CRC-32
    // of all of it ("0x" and 8 digits). Both empty when no image was involved.
    std::string checksum;
    std::string imageCrc32;
    std::string board;  // the port of the board it ran on
    std::string serial; // the serial number written (decimal); empty for none
};

const char* OutcomeName(Outcome outcome);
// The result as reported: the outcome, or why the operation never started.
const char* ResultName(const OperationResult& result);
int ExitCodeFor(const OperationResult& result);
// The more serious of two exit codes: interrupted, then board, chip, input.
int WorseExit(int a, int b);

// The checksum as a line says it: the value, or that the chip has none.
std::string ShownChecksum(const std::string& checksum);

// The result's fields, in the order results and log lines show them.
void AddResultFields(JsonLine& line, const OperationResult& result, const std::string& chip);

// ISO 8601 UTC time, to the second: 2024-05-01T12:34:56Z.
std::string UtcTime(std::chrono::system_clock::time_point when);

// "0x" and the value in upper-case hex, at least `digits` digits.
std::string Hex(long value, int digits);

// Held while a line goes to the production log or to standard output: the
// boards of a run write from threads of their own.
std::mutex& OutputLock();

// Whether the production log can be opened for appending (nothing is written).
bool CanAppend(const std::string& path);

// Appends one line to the production log and flushes it; false when the file
// cannot be written.
bool AppendLogLine(const std::string& path, const std::string& line);
