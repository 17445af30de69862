// tessaro-cli speed: program then verify a whole 16F877A (8K words, 256 EEPROM
// bytes) against the board simulator paced at 19200 baud, each against the
// time its bytes take on the wire.
#include "boardsim.h"
#include "cli/cli.h"
#include "cli_bench_support.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {
using bench::kEepromBytes;
using bench::kWords;
using bench::WriteFullImage;

constexpr double kBitsPerByte = 10; // 8N1
constexpr double kBaud = 19200;

// The operation's own time, as its JSON result gives it.
double Elapsed(const std::string& json) {
    const std::size_t at = json.find("\"elapsed_s\":");
    return at == std::string::npos ? -1 : std::stod(json.substr(at + 12));
}

double RunSeconds(const std::vector<std::string>& args, const std::string& folder) {
    std::string out;
    return bench::RunCliIn(args, folder, out) == 0 ? Elapsed(out) : -1;
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
