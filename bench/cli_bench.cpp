// tessaro-cli speed: program then verify a whole 16F877A (8K words, 256 EEPROM
// bytes) against the board simulator paced at 19200 baud, each against the
// time its bytes take on the wire.
#include "boardsim.h"
#include "cli/cli.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kWords = 0x2000;
constexpr int kEepromBytes = 0x100;
constexpr double kBitsPerByte = 10; // 8N1
constexpr double kBaud = 19200;

std::string Record(int address, const std::vector<int>& bytes) {
    std::vector<int> all = {static_cast<int>(bytes.size()), address >> 8, address & 0xFF, 0};
    all.insert(all.end(), bytes.begin(), bytes.end());
    std::string line = ":";
    int sum = 0;
    char hex[4];
    for (int b : all) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        line += hex;
        sum += b;
    }
    std::snprintf(hex, sizeof hex, "%02X", (256 - sum % 256) % 256);
    return line + hex;
}

// Every word and EEPROM byte in use, so that nothing is trimmed: the image
// of the engine's own benchmark, for results side by side.
void WriteFullImage(const std::string& path) {
    std::ofstream out(path);
    for (int w = 0; w < kWords; w += 8) {
        std::vector<int> bytes;
        for (int i = w; i < w + 8; ++i) {
            const int word = (i * 7 + 1) & 0x3FFF & 0x7FFE;
            bytes.insert(bytes.end(), {word & 0xFF, word >> 8});
        }
        out << Record(2 * w, bytes) << '\n';
    }
    out << Record(0x4000, {1, 0, 2, 0, 3, 0, 4, 0}) << '\n';
    for (int e = 0; e < kEepromBytes; e += 8) {
        std::vector<int> bytes;
        for (int i = e; i < e + 8; ++i)
            bytes.insert(bytes.end(), {i & 0x7F, 0});
        out << Record(0x4200 + 2 * e, bytes) << '\n';
    }
    out << Record(0x400E, {0xFF, 0x3F}) << "\n:00000001FF\n";
}

// The operation's own time, as its JSON result gives it.
double Elapsed(const std::string& json) {
    const std::size_t at = json.find("\"elapsed_s\":");
    return at == std::string::npos ? -1 : std::stod(json.substr(at + 12));
}

double RunSeconds(const std::vector<std::string>& args, const std::string& folder) {
    std::ostringstream out;
    std::ostringstream err;
    CliEnvironment env;
    env.programDir = folder;
    env.out = &out;
    env.err = &err;
    env.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    return RunCli(args, env) == 0 ? Elapsed(out.str()) : -1;
}

// A program folder with the chip file in it.
std::filesystem::path ProgramFolder() {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tessaro-cli-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", folder / "chipinfo.cid",
                               std::filesystem::copy_options::overwrite_existing);
    return folder;
}

void BM_CliProgramVerify16F877A(benchmark::State& state) {
    std::vector<std::string> chipFile;
    boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", chipFile);
    boardsim::Board board(boardsim::Model::Elm,
                          boardsim::Chip(boardsim::FindChipInfo(chipFile, "16F877A").config));
    board.SetPacing({true, static_cast<int>(kBaud), 0, 0});
    boardsim::Rfc2217Server server(board);
    std::string error;
    if (!server.Start("127.0.0.1", 0, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const std::filesystem::path folder = ProgramFolder();
    const std::string hex = (folder / "full.hex").string();
    WriteFullImage(hex);
    const std::vector<std::string> common = {
        hex,       "--chip", "16F877A",
        "--style", "Elm",    "--json",
        "--quiet", "--port", "rfc2217://127.0.0.1:" + std::to_string(server.Port())};
    double program = 0;
    double verify = 0;
    for (auto _ : state) {
        server.WithBoard([](boardsim::Board& b) { b.chip().Blank(); });
        std::vector<std::string> args = {"program"};
        args.insert(args.end(), common.begin(), common.end());
        program = RunSeconds(args, folder.string() + "/");
        args[0] = "verify";
        verify = RunSeconds(args, folder.string() + "/");
    }
    std::filesystem::remove_all(folder);
    if (program < 0 || verify < 0) {
        state.SkipWithError("tessaro-cli failed");
        return;
    }
    // Bytes on the line, both ways: per word a 'Y' and two bytes back, the same
    // per EEPROM pair, the EEPROM read back, and about a hundred for the hand-
    // shake, blank check and ID/configuration; a verify streams every word and byte.
    const double programBytes = 3.0 * kWords + 3.0 * kEepromBytes / 2 + kEepromBytes + 100;
    const double verifyBytes = 2.0 * kWords + kEepromBytes + 60;
    const double wireProgram = programBytes * kBitsPerByte / kBaud;
    const double wireVerify = verifyBytes * kBitsPerByte / kBaud;
    state.counters["program_s"] = program;
    state.counters["program_wire_s"] = wireProgram;
    state.counters["program_ratio"] = program / wireProgram;
    state.counters["verify_s"] = verify;
    state.counters["verify_wire_s"] = wireVerify;
    state.counters["verify_ratio"] = verify / wireVerify;
    state.counters["ratio"] = (program + verify) / (wireProgram + wireVerify);
}
BENCHMARK(BM_CliProgramVerify16F877A)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace
