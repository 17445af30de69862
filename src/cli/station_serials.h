#pragma once

#include "cli/cli_options.h"
#include "cli/console_output.h"
#include "platform/sleep.h"
#include "store/serial_store.h"

#include <memory>
#include <string>

// One board's serial numbers in a run: its store (the state file, or the
// line's database shared by every board of this process), the reservation of
// the chip under way, and its closing by the chip's result.
class StationSerials {
public:
    // Opens the store and checks that `wanted` numbers can be given, the first
    // being `first`. kExitOk, or the exit code (the reason has been said).
    int Open(const CliOptions& options, ConsoleOutput& out, std::size_t wanted,
             std::uint64_t& first);
    // Reserves the chip's number. While the line's store is away no chip is
    // started: the wait is said once and ends when the store is back (or at
    // Ctrl-C: false, as for any other refusal, which has been said).
    bool Reserve(const ChipClaim& claim, ConsoleOutput& out, const Sleeper& sleep,
                 std::uint64_t& serial);
    // Closes the reservation under way, if any, with the result the log line
    // (a JSON object) gives.
    void Close(const std::string& logLine, ConsoleOutput& out);
    // The chip's claim as the options name it (station, file and its SHA-256).
    ChipClaim Claim(const std::string& board, const std::string& chip) const;

private:
    void SayOutage(ConsoleOutput& out);

    std::shared_ptr<SerialStore> store_;
    std::string station_;
    std::string hexFile_;
    std::string hexSha256_;
    bool holding_ = false;
    Reservation reservation_;
};

// The result fields of a production log line.
ChipResult ResultOfLogLine(const std::string& line);

// --serial-store, or TESSARO_SERIAL_STORE when serial numbers are asked for
// (--serial-at) without it.
void TakeStoreFromEnvironment(SerialOptions& options);
