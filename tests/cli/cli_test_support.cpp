#include "cli/cli_test_support.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "image/hex_save.h"
#include "link/com_names.h"
#include "platform/text_file.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace clitest {

namespace {
boardsim::Chip ShippedChip(const std::string& name) {
    std::vector<std::string> lines;
    boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", lines);
    const boardsim::ChipInfoResult info = boardsim::FindChipInfo(lines, name);
    EXPECT_TRUE(info.ok) << info.error;
    return boardsim::Chip(info.config);
}

// A JSON string at `at` (its opening quote); false when it is not one.
bool ReadString(const std::string& text, std::size_t& at, std::string& value) {
    if (at >= text.size() || text[at] != '"')
        return false;
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] != '\\') {
            value += text[at];
            continue;
        }
        if (++at >= text.size())
            return false;
        const char c = text[at];
        if (c == 'u') {
            if (at + 4 >= text.size())
                return false;
            value += static_cast<char>(std::stoi(text.substr(at + 1, 4), nullptr, 16));
            at += 4;
        } else {
            value += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
    }
    return at++ < text.size();
}
} // namespace

SimBoard::SimBoard(boardsim::Model model, const std::string& chip)
    : board(model, ShippedChip(chip)), server(board) {
    board.SetLog([this](const std::string& line) {
        if (line.rfind("host: ", 0) != 0)
            return;
        std::lock_guard lock(mutex_);
        commands_.push_back(line.substr(6));
        changed_.notify_all();
    });
    std::string error;
    EXPECT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
}

SimBoard::~SimBoard() {
    server.Stop();
}

std::string SimBoard::Url() const {
    return "rfc2217://127.0.0.1:" + std::to_string(server.Port());
}

bool SimBoard::WaitForCommand(const std::string& name, int timeoutMs) {
    std::unique_lock lock(mutex_);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (!commands_.empty()) {
            const std::string command = commands_.front();
            commands_.pop_front();
            if (command.rfind(name, 0) == 0)
                return true;
        }
        if (changed_.wait_until(lock, until) == std::cv_status::timeout && commands_.empty())
            return false;
    }
}

ProgramFolder::ProgramFolder(const std::string& url) {
    static int serial = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("tessaro-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "ports");
    std::filesystem::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", dir_ / "chipinfo.cid");
    if (!url.empty())
        std::ofstream(PortEntryPath(Dir(), 1)) << url << "\n";
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

std::vector<std::map<std::string, std::string>> CliRun::Results() const {
    std::vector<std::map<std::string, std::string>> results;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        results.push_back(ParseFlatJson(line));
    return results;
}

CliRun RunTool(const ProgramFolder& folder, const std::vector<std::string>& args,
               const std::string& systemRoot) {
    std::ostringstream out;
    std::ostringstream err;
    CliEnvironment env;
    env.programDir = folder.Dir();
    env.out = &out;
    env.err = &err;
    env.sleep = [](int ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 10)));
    };
    // A Birch board greets again when the opened port releases it; with the
    // pauses cut short that second greeting may come late on a busy machine,
    // and it must not land in the operation.
    env.settleMs = 100;
    env.systemRoot = systemRoot;
    CliRun run;
    run.code = RunCli(args, env);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::map<std::string, std::string> ParseFlatJson(const std::string& text) {
    std::map<std::string, std::string> fields;
    std::size_t at = 0;
    if (text.empty() || text[0] != '{')
        return {};
    for (++at; at < text.size() && text[at] != '}';) {
        std::string key;
        std::string value;
        if (!ReadString(text, at, key) || at + 1 >= text.size() || text[at++] != ':')
            return {};
        if (text[at] == '"') {
            if (!ReadString(text, at, value))
                return {};
        } else {
            // An array, or an object of flat values, is kept as written.
            const char open = text[at];
            const bool nested = open == '[' || open == '{';
            std::size_t end = text.find_first_of(!nested ? ",}" : open == '[' ? "]" : "}", at);
            if (end == std::string::npos)
                return {};
            end += nested ? 1 : 0;
            value = text.substr(at, end - at);
            at = end;
        }
        fields[key] = value;
        if (at < text.size() && text[at] == ',')
            ++at;
    }
    return at < text.size() ? fields : std::map<std::string, std::string>{};
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ChipRecord Record(const std::string& name) {
    const auto bytes = ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
    const ChipFileLoadResult loaded = LoadChipFile(SplitLines(bytes.value_or("")), 1);
    const auto at = std::find(loaded.ChipNames.begin(), loaded.ChipNames.end(), name);
    if (at == loaded.ChipNames.end())
        throw std::runtime_error("no chip " + name + " in the shipped chip file");
    ChipInfoResult info =
        ExtractChipInfo(loaded.ChipData, static_cast<int>(at - loaded.ChipNames.begin()));
    EXPECT_TRUE(info.ok);
    DeriveSelectionFields(info.record);
    return info.record;
}

MemoryImage Pattern(const ChipRecord& chip) {
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    for (int i = 0; i < 64; ++i)
        image.ROMData[static_cast<std::size_t>(i)] = (0x1200 + 7 * i) & chip.WordMask;
    image.EEPROMData.assign(static_cast<std::size_t>(chip.EEPROMSize), 0xFF);
    for (int i = 0; i < std::min(8, chip.EEPROMSize); ++i)
        image.EEPROMData[static_cast<std::size_t>(i)] = 0x40 + i;
    image.FuseValue = chip.FuseBlank;
    return image;
}

std::string WriteHex(const ProgramFolder& f, const std::string& name, const MemoryImage& image,
                     const ChipRecord& chip, std::string id) {
    EXPECT_TRUE(SaveHexFile(f.Path(name), image, chip, id));
    return f.Path(name);
}

std::string WritePatternHex(const ProgramFolder& f, const std::string& chipName) {
    const ChipRecord chip = Record(chipName);
    return WriteHex(f, "in.hex", Pattern(chip), chip, "");
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::map<std::string, std::string>> LogLines(const std::string& path) {
    std::vector<std::map<std::string, std::string>> lines;
    std::istringstream log(ReadFile(path));
    for (std::string line; std::getline(log, line);)
        lines.push_back(ParseFlatJson(line));
    return lines;
}

} // namespace clitest
