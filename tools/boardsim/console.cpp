#include "console.h"

#include "chip_hex.h"
#include "fault_commands.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace boardsim {

namespace {

std::string Status(const Board& board) {
    const ChipConfig& chip = board.chip().config();
    return std::string("board ") + ModelName(board.model()) + ", chip " + chip.name + " (" +
           std::to_string(chip.romWords) + " words, " + std::to_string(chip.eepromBytes) +
           " EEPROM bytes), socket " + (board.ChipPresent() ? "full" : "empty") + ", DTR " +
           (board.Dtr() ? "high" : "low") + (board.InReset() ? " (held in reset)" : "") +
           (board.pacing().enabled ? ", paced at " + std::to_string(board.pacing().baud) : "") +
           "\n";
}

ConsoleReply Dump(const Board& board, const std::vector<std::string>& words,
                  const std::string& dumpPath) {
    const std::string path = words.size() > 1 ? words[1] : dumpPath;
    const auto lines = DumpChipHex(board.chip());
    if (path.empty()) {
        std::string text;
        for (const auto& line : lines) {
            text += line + "\n";
        }
        return {false, text};
    }
    return {false,
            WriteTextLines(path, lines) ? "written " + path + "\n" : "cannot write " + path + "\n"};
}

ConsoleReply Load(Board& board, const std::vector<std::string>& words) {
    std::vector<std::string> lines;
    if (words.size() < 2 || !ReadTextLines(words[1], lines)) {
        return {false, "cannot read the file\n"};
    }
    const ChipHexResult result = LoadChipHex(board.chip(), lines);
    if (!result.ok) {
        return {false, "line " + std::to_string(result.errorLine + 1) + ": " + result.error + "\n"};
    }
    return {false, "loaded " + words[1] + "\n"};
}

// The host's turnarounds since the last look: how long after each 'Y' asking
// for a word the word arrived, and what they add to the wire time of those
// exchanges (the 'Y' and the word, 10 bits a byte).
std::string Turnaround(Board& board) {
    std::vector<std::int64_t> us = board.TakeTurnarounds();
    if (us.empty()) {
        return "turnaround words=0\n";
    }
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) {
        return us[std::min(us.size() - 1,
                           static_cast<std::size_t>(q * static_cast<double>(us.size())))];
    };
    const double wireUs =
        static_cast<double>(us.size()) * 3 * 10 * 1e6 / std::max(1, board.pacing().baud);
    const double total =
        static_cast<double>(std::accumulate(us.begin(), us.end(), std::int64_t{0}));
    char line[160];
    std::snprintf(line, sizeof line,
                  "turnaround words=%zu median_us=%lld p99_us=%lld max_us=%lld ratio=%.4f\n",
                  us.size(), static_cast<long long>(at(0.5)), static_cast<long long>(at(0.99)),
                  static_cast<long long>(us.back()), (wireUs + total) / wireUs);
    return line;
}

} // namespace

ConsoleReply RunConsoleLine(Board& board, const std::string& line, const std::string& dumpPath) {
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty()) {
        return {};
    }
    const std::string& verb = words[0];
    if (verb == "quit" || verb == "exit") {
        return {true, {}};
    }
    if (verb == "insert") {
        board.InsertChip();
        return {};
    }
    if (verb == "remove") {
        board.RemoveChip();
        return {};
    }
    if (verb == "fault") {
        std::string error;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (!ApplyFaultCommand(board.faults(), rest, error)) {
            return {false, error + "\n"};
        }
        board.ApplyOutputFaults();
        return {};
    }
    if (verb == "noise") {
        Faults scratch;
        std::string error;
        if (!ApplyFaultCommand(scratch, words, error)) {
            return {false, error + "\n"};
        }
        board.InjectNoise(scratch.noise);
        return {};
    }
    if (verb == "pace") {
        Pacing pacing = board.pacing();
        pacing.enabled = words.size() > 1 && words[1] == "on";
        board.SetPacing(pacing);
        return {};
    }
    if (verb == "dump") {
        return Dump(board, words, dumpPath);
    }
    if (verb == "load") {
        return Load(board, words);
    }
    if (verb == "status") {
        return {false, Status(board)};
    }
    if (verb == "erase") {
        board.chip().Blank();
        return {};
    }
    if (verb == "turnaround") {
        return {false, Turnaround(board)};
    }
    return {false, std::string("commands: ") + kConsoleCommands + "faults:\n" + FaultCommandHelp()};
}

} // namespace boardsim
