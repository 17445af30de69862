#include "console.h"

#include "chip_hex.h"
#include "fault_commands.h"

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
    return {false, "commands: insert, remove, fault WORDS, noise B1 B2 ..., pace on|off, "
                   "dump [FILE], load FILE, status, quit\nfaults:\n" +
                       std::string(FaultCommandHelp())};
}

} // namespace boardsim
