// The line's PostgreSQL store against a private local server: a chip's
// reservation and result round trip with 16 boards on 4 stations, and the
// administrator's report and find on a store of 1,000,000 rows.
#include "boardsim.h"
#include "cli_bench_support.h"
#include "platform/text_file.h"
#include "store/pg_store.h"
#include "store/pg_test_server.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kStations = 4;
constexpr int kBoardsPerStation = 4;
constexpr int kChipsPerBoard = 250;
constexpr long kBigStore = 1000000;

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

std::string Database(const std::string& name) {
    storetest::PgTestServer& server = storetest::Server();
    const std::string address = server.NewDatabase(name);
    std::unique_ptr<StoreAdmin> admin;
    int from = 0;
    int to = 0;
    if (!OpenPgAdmin(address, admin) || !admin->Init(from, to))
        return {};
    return address;
}

// Each board: reserve, then close with a result, as a station does per chip.
void RoundTrip(benchmark::State& state) {
    const std::string address = Database("bench_round_trip");
    std::vector<double> ms;
    std::mutex mutex;
    for (auto _ : state) {
        std::vector<std::unique_ptr<SerialStore>> stations(kStations);
        for (int s = 0; s < kStations; ++s) {
            StationSetup setup;
            setup.address = address;
            setup.station = "bench" + std::to_string(s);
            setup.plan.counter = true;
            setup.journal = std::filesystem::temp_directory_path() / ("bench" + setup.station);
            if (!OpenPgStore(setup, stations[s])) {
                state.SkipWithError("the store did not open");
                return;
            }
        }
        std::vector<std::thread> boards;
        for (int b = 0; b < kStations * kBoardsPerStation; ++b)
            boards.emplace_back([&, b] {
                SerialStore& store = *stations[b / kBoardsPerStation];
                ChipClaim claim{"bench", "COM" + std::to_string(b), "16F628A", "in.hex", "0"};
                ChipResult result;
                result.result = "done";
                result.imageCrc32 = "0x12345678";
                std::vector<double> mine;
                for (int chip = 0; chip < kChipsPerBoard; ++chip) {
                    const auto start = Clock::now();
                    Reservation r;
                    if (!store.Reserve(claim, r) || !store.Close(r, result))
                        return;
                    mine.push_back(
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                }
                const std::lock_guard lock(mutex);
                ms.insert(ms.end(), mine.begin(), mine.end());
            });
        for (std::thread& t : boards)
            t.join();
    }
    state.counters["chips"] = static_cast<double>(ms.size());
    state.counters["p50_ms"] = Percentile(ms, 0.50);
    state.counters["p99_ms"] = Percentile(ms, 0.99);
}
BENCHMARK(RoundTrip)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 16-board line programming one whole 16F877A on each board at the wire's
// speed, its serial numbers from the state file (0) or the PostgreSQL store
// (1): chips per hour of the line.
void LineChipsPerHour(benchmark::State& state) {
    constexpr int kLineBoards = 16;
    const bool pg = state.range(0) == 1;
    std::vector<std::string> chipFile;
    boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", chipFile);
    const boardsim::ChipConfig chip = boardsim::FindChipInfo(chipFile, "16F877A").config;
    std::vector<std::unique_ptr<boardsim::Board>> boards;
    std::vector<std::unique_ptr<boardsim::Rfc2217Server>> servers;
    const std::string folder = (std::filesystem::temp_directory_path() /
                                ("tessaro-store-bench-" + std::to_string(state.range(0))))
                                   .string() +
                               "/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", folder + "chipinfo.cid");
    // The whole image but its last EEPROM bytes, where the serial goes.
    bench::WriteFullImage(folder + "full.hex");
    std::string image = *ReadWholeFile(folder + "full.hex");
    const std::string lastEeprom =
        bench::Record(0x4200 + 2 * 0xF8,
                      {0x78, 0, 0x79, 0, 0x7A, 0, 0x7B, 0, 0x7C, 0, 0x7D, 0, 0x7E, 0, 0x7F, 0}) +
        "\n";
    image.erase(image.find(lastEeprom), lastEeprom.size());
    WriteFileReplacing(folder + "full.hex", image);
    std::vector<std::string> args = {
        "program",     folder + "full.hex", "--chip",   "16F877A", "--style",
        "Elm",         "--quiet",           "--serial", "1",       "--serial-at",
        "eeprom:0xFC", "--serial-bytes",    "2",        "--log",   folder + "line.log"};
    if (pg)
        args.insert(args.end(), {"--serial-store", Database("bench_line"), "--station", "b"});
    for (int i = 0; i < kLineBoards; ++i) {
        boards.push_back(
            std::make_unique<boardsim::Board>(boardsim::Model::Elm, boardsim::Chip(chip)));
        boards.back()->SetPacing({true, 19200, 0, 0});
        servers.push_back(std::make_unique<boardsim::Rfc2217Server>(*boards.back()));
        std::string error;
        servers.back()->Start("127.0.0.1", 0, error);
        args.insert(args.end(),
                    {"--port", "rfc2217://127.0.0.1:" + std::to_string(servers.back()->Port())});
    }
    double seconds = 0;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        CliEnvironment env;
        env.programDir = folder;
        env.out = &out;
        env.err = &err;
        env.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
        const auto start = Clock::now();
        if (RunCli(args, env) != 0) {
            static std::string why;
            why = err.str();
            state.SkipWithError(why.c_str());
        }
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::filesystem::remove_all(folder);
    state.counters["chips_per_hour"] = kLineBoards * 3600.0 / seconds;
}
BENCHMARK(LineChipsPerHour)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A million rows: 40 stations of 4 boards, every twentieth chip failed.
std::unique_ptr<StoreAdmin>& BigStore() {
    static std::unique_ptr<StoreAdmin> admin;
    if (admin)
        return admin;
    const std::string address = Database("bench_million");
    storetest::Server().Sql(
        "bench_million",
        "INSERT INTO tessaro_series (name, kind, next_position) VALUES ('default', 'counter', " +
            std::to_string(kBigStore) +
            "); INSERT INTO tessaro_chips (series, serial, state, station, board, chip, hex_file, "
            "hex_sha256, closed_at, result, image_crc32, elapsed_s) SELECT 'default', n, "
            "CASE WHEN n % 20 = 0 THEN 'voided' ELSE 'done' END, 'station' || (n % 40), "
            "'COM' || (n % 4), '16F628A', 'in.hex', 'x', now(), CASE WHEN n % 20 = 0 THEN "
            "'difference' ELSE 'done' END, '0x12345678', 2.5 FROM generate_series(0, " +
            std::to_string(kBigStore - 1) + ") AS n; ANALYZE tessaro_chips;");
    OpenPgAdmin(address, admin);
    return admin;
}

void Report(benchmark::State& state) {
    std::unique_ptr<StoreAdmin>& admin = BigStore();
    StoreTable table;
    for (auto _ : state)
        if (!admin || !admin->Report(table))
            state.SkipWithError("no report");
    state.counters["rows"] = static_cast<double>(table.rows.size());
}
BENCHMARK(Report)->Unit(benchmark::kMillisecond)->UseRealTime();

void Find(benchmark::State& state) {
    std::unique_ptr<StoreAdmin>& admin = BigStore();
    StoreTable table;
    long serial = 12345;
    for (auto _ : state) {
        serial = (serial * 7919) % kBigStore;
        if (!admin || !admin->Find(std::to_string(serial), table) || table.rows.size() != 1)
            state.SkipWithError("not found");
    }
}
BENCHMARK(Find)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
