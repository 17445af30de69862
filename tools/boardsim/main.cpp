// tessaro-boardsim: a programmer board and its chip in software, served as a
// network serial port so that the program can be tried without hardware.
#include "chip_hex.h"
#include "chip_info.h"
#include "console.h"
#include "fault_commands.h"
#include "recorded_board.h"
#include "recording_check.h"
#include "rfc2217_server.h"
#include "sim_options.h"
#include "sim_system.h"
#include "stdin_lines.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace boardsim;

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
    gStop = 1;
}

bool MakeChip(const SimOptions& options, ChipConfig& config, std::string& error) {
    config = options.chip;
    if (options.chipName.empty()) {
        config.name = "custom";
    } else {
        std::vector<std::string> lines;
        std::string path = options.cidPath;
        if (path.empty()) {
            path = ProgramFolder() + "/chipinfo.cid";
            if (!ReadTextLines(path, lines)) {
                path = "chipinfo.cid";
            }
        }
        if (lines.empty() && !ReadTextLines(path, lines)) {
            error = "cannot read the chip file " + path;
            return false;
        }
        const ChipInfoResult found = FindChipInfo(lines, options.chipName);
        if (!found.ok) {
            error = found.error;
            return false;
        }
        config = found.config;
    }
    if (options.revision != 0) {
        config.idWord = static_cast<std::uint16_t>((config.idWord & ~0x1F) | options.revision);
    }
    return true;
}

bool Prepare(const SimOptions& options, Board& board, std::string& error) {
    if (!options.loadPath.empty()) {
        std::vector<std::string> lines;
        if (!ReadTextLines(options.loadPath, lines)) {
            error = "cannot read " + options.loadPath;
            return false;
        }
        const ChipHexResult loaded = LoadChipHex(board.chip(), lines);
        if (!loaded.ok) {
            error = options.loadPath + " line " + std::to_string(loaded.errorLine + 1) + ": " +
                    loaded.error;
            return false;
        }
    }
    for (const auto& words : options.faults) {
        ApplyFaultCommand(board.faults(), words, error);
    }
    error.clear();
    board.ApplyOutputFaults();
    board.SetPacing(options.pacing);
    if (options.emptySocket) {
        board.RemoveChip();
    }
    if (options.log) {
        const auto start = std::chrono::steady_clock::now();
        board.SetLog([start](const std::string& line) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count();
            std::fprintf(stderr, "%8lld ms  %s\n", static_cast<long long>(ms), line.c_str());
        });
    }
    return true;
}

// Reads standard input until "quit", a signal, or forever after its end.
void Console(Rfc2217Server& server, const std::string& dumpPath) {
    StdinLines input;
    std::string line;
    while (!gStop) {
        if (!input.Next(line, 200)) {
            continue;
        }
        const ConsoleReply reply =
            server.WithBoard([&](Board& board) { return RunConsoleLine(board, line, dumpPath); });
        std::cout << reply.text << std::flush;
        if (reply.quit) {
            return;
        }
    }
}

void PrintDifference(const CheckDifference& d, bool json, int timingUs) {
    if (json) {
        std::printf("{\"operation\":\"check\",\"result\":\"difference\",\"line\":%d,"
                    "\"expected\":\"%s\",\"found\":\"%s\"",
                    d.line, d.recorded.c_str(), d.simulated.c_str());
        if (timingUs >= 0) {
            std::printf(",\"expected_us\":%lld,\"found_us\":%lld",
                        static_cast<long long>(d.recordedUs),
                        static_cast<long long>(d.simulatedUs));
        }
        std::printf("}\n");
        return;
    }
    std::printf("difference: line %d: the recorded board said %s, the simulator said %s", d.line,
                d.recorded.empty() ? "-" : d.recorded.c_str(),
                d.simulated.empty() ? "-" : d.simulated.c_str());
    if (timingUs >= 0) {
        std::printf(" (at %lld us, the simulator at %lld us)", static_cast<long long>(d.recordedUs),
                    static_cast<long long>(d.simulatedUs));
    }
    std::printf("\n");
}

// --check: the recording's host side fed to a simulated board of the
// recording's chip (and model, when the recording names one).
int Check(SimOptions options) {
    RecordedSession session;
    std::string error;
    if (!ReadRecordedSession(options.checkPath, session, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s: %s\n", options.checkPath.c_str(),
                     error.c_str());
        return 2;
    }
    if (options.chipName.empty()) {
        options.chipName = session.chip;
    }
    if (!session.style.empty()) {
        ParseModel(session.style, options.model);
    }
    if (options.timingUs >= 0) {
        options.pacing.enabled = true;
        options.pacing.baud = session.baud;
    }
    ChipConfig config;
    if (!MakeChip(options, config, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 2;
    }
    Board board(options.model, Chip(config));
    if (!Prepare(options, board, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 2;
    }
    const std::vector<CheckDifference> differences =
        CheckRecording(board, session, options.timingUs);
    for (const CheckDifference& d : differences) {
        PrintDifference(d, options.json, options.timingUs);
    }
    if (differences.empty()) {
        std::printf(options.json ? "{\"operation\":\"check\",\"result\":\"same\"}\n" : "same\n");
    }
    return differences.empty() ? 0 : 1;
}

// --replay: the recording's board on a port, until "quit" or a signal.
int ServeRecording(const SimOptions& options) {
    RecordedSession session;
    std::string error;
    if (!ReadRecordedSession(options.replayPath, session, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s: %s\n", options.replayPath.c_str(),
                     error.c_str());
        return 2;
    }
    RecordedBoard board(std::move(session), [](const std::string& notice) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", notice.c_str());
    });
    Rfc2217Server server(board);
    if (!server.Start(options.host, options.port, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("tessaro-boardsim: the board of %s, listening on rfc2217://%s:%d\n",
                options.replayPath.c_str(), options.host.c_str(), server.Port());
    std::fflush(stdout);
    StdinLines input;
    std::string line;
    while (!gStop &&
           !(input.Next(line, 200) && SplitWords(line) == std::vector<std::string>{"quit"})) {
    }
    server.Stop();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const SimOptionsResult parsed =
        ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.ok && parsed.options.version) {
        std::printf("tessaro-boardsim %s\n", TESSARO_VERSION);
        return 0;
    }
    if (!parsed.ok || parsed.options.help) {
        std::fprintf(parsed.ok ? stdout : stderr, "%s%s%s", parsed.error.c_str(),
                     parsed.ok ? "" : "\n", SimUsage().c_str());
        return parsed.ok ? 0 : 2;
    }
    const SimOptions& options = parsed.options;
    if (!options.checkPath.empty()) {
        return Check(options);
    }
    if (!options.replayPath.empty()) {
        return ServeRecording(options);
    }
    ChipConfig config;
    std::string error;
    if (!MakeChip(options, config, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 1;
    }
    Board board(options.model, Chip(config));
    if (!Prepare(options, board, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 1;
    }
    Rfc2217Server server(board);
    if (!server.Start(options.host, options.port, error)) {
        std::fprintf(stderr, "tessaro-boardsim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("tessaro-boardsim: %s board, chip %s, listening on rfc2217://%s:%d\n",
                ModelName(options.model), config.name.c_str(), options.host.c_str(), server.Port());
    std::fflush(stdout);
    Console(server, options.dumpPath);
    server.Stop();
    if (!options.dumpPath.empty() && !WriteTextLines(options.dumpPath, DumpChipHex(board.chip()))) {
        std::fprintf(stderr, "tessaro-boardsim: cannot write %s\n", options.dumpPath.c_str());
        return 1;
    }
    return 0;
}
