// Many boards at once: one whole 16F877A program on each of N simulated boards
// paced at 19200 baud, all in one run of tessaro-cli, against the same on one
// board. The boards share nothing but the process: time(N) / time(1) near 1
// means they do not wait for each other.
#include "boardsim.h"
#include "cli/cli.h"
#include "cli_bench_support.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

struct Boards {
    explicit Boards(int count) {
        std::vector<std::string> chipFile;
        boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", chipFile);
        const boardsim::ChipConfig chip = boardsim::FindChipInfo(chipFile, "16F877A").config;
        for (int i = 0; i < count; ++i) {
            boards.push_back(
                std::make_unique<boardsim::Board>(boardsim::Model::Elm, boardsim::Chip(chip)));
            boards.back()->SetPacing({true, 19200, 0, 0});
            servers.push_back(std::make_unique<boardsim::Rfc2217Server>(*boards.back()));
            std::string error;
            ok = ok && servers.back()->Start("127.0.0.1", 0, error);
        }
    }
    std::vector<std::unique_ptr<boardsim::Board>> boards;
    std::vector<std::unique_ptr<boardsim::Rfc2217Server>> servers;
    bool ok = true;
};

// Seconds for one `program` on the first `count` boards at once; -1 on failure.
double ProgramSeconds(Boards& sims, int count, const std::string& folder) {
    std::vector<std::string> args = {
        "program", folder + "full.hex", "--chip", "16F877A", "--style", "Elm", "--quiet"};
    for (int i = 0; i < count; ++i) {
        sims.servers[static_cast<std::size_t>(i)]->WithBoard(
            [](boardsim::Board& b) { b.chip().Blank(); });
        args.insert(
            args.end(),
            {"--port", "rfc2217://127.0.0.1:" +
                           std::to_string(sims.servers[static_cast<std::size_t>(i)]->Port())});
    }
    std::string out;
    const auto start = std::chrono::steady_clock::now();
    const int code = bench::RunCliIn(args, folder, out);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return code == 0 ? took.count() : -1;
}

void BM_ProgramOnNBoards(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Boards sims(count);
    if (!sims.ok) {
        state.SkipWithError("no loopback port for a simulator");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tessaro-gang-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", folder / "chipinfo.cid",
                               std::filesystem::copy_options::overwrite_existing);
    bench::WriteFullImage((folder / "full.hex").string());
    double one = 0;
    double many = 0;
    for (auto _ : state) {
        one = ProgramSeconds(sims, 1, folder.string() + "/");
        many = ProgramSeconds(sims, count, folder.string() + "/");
    }
    std::filesystem::remove_all(folder);
    if (one < 0 || many < 0) {
        state.SkipWithError("tessaro-cli failed");
        return;
    }
    state.counters["one_board_s"] = one;
    state.counters["n_boards_s"] = many;
    state.counters["ratio"] = many / one;
}
BENCHMARK(BM_ProgramOnNBoards)
    ->Arg(1)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace
