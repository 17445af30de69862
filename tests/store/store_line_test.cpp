// A line: four stations (tessaro-cli processes) of four simulated boards
// each, 25 chips a board, on one store. Two stations are killed in the middle
// of a chip and started again, and the server is stopped and started once.
// Afterwards every number given is in exactly one chip (read back from the
// simulated chips) or in exactly one voided or interrupted row; every done
// chip's row carries its result, except a chip finished in the instant its
// station was killed (its row says interrupted: the store never heard).
#include "child_process.h"
#include "store_support.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace {
using namespace clitest;
using namespace storetest;
using boardsim::Model;
using Clock = std::chrono::steady_clock;

constexpr int kStations = 4;
constexpr int kBoards = 4; // per station
constexpr int kChips = 25; // done chips per board
constexpr int kSerialAt = 0x20;

// What the test and the boards' operators share.
struct Line {
    std::mutex mutex;
    std::condition_variable changed;
    int done = 0;                                    // chips done on every board
    std::map<std::string, std::vector<int>> serials; // board: the serials of its done chips
    std::vector<int> killedChips;                    // what the chips in hand at a kill held
    // Chips done as their station was killed: the board is asked for the
    // chip's removal a moment before the result reaches the store, so the
    // kill may fall between the two and leave the row interrupted.
    std::set<int> doneAtKill;
    int killAsked = -1;                             // the station whose kill a board asks for
    int stopAsked = -1;                             // the station whose board holds for the stop
    bool stopped = false;                           // the server has been stopped
    int killing = -1;                               // the station being killed
    std::array<int, kStations> generation{};        // each station's runs so far
    std::array<int, kStations * kBoards> holding{}; // the run of each board's chip in hand, -1 none
    std::atomic<bool> over{false};
};

int ChipSerial(boardsim::Board& b) {
    return b.chip().Eeprom(kSerialAt) << 8 | b.chip().Eeprom(kSerialAt + 1);
}

// The operator of one board: a blank chip in when the board waits for one,
// out when it is done (its serial read first), until 25 are done. The board
// that is to see its station killed holds itself still, in the middle of
// writing a chip, until the station is gone.
void Operate(SimBoard& sim, Line& line, int board, int killAtChip, int stopAtChip) {
    const int station = board / kBoards;
    int done = 0;
    while (done < kChips && !line.over) {
        if (!sim.WaitForCommand("WaitChipInsertion", 200))
            continue;
        int run = 0;
        {
            const std::lock_guard lock(line.mutex);
            run = line.holding[board] = line.generation[station];
        }
        sim.server.WithBoard([](boardsim::Board& b) {
            b.chip().Blank();
            b.InsertChip();
        });
        if (done == killAtChip && run == 0 && sim.WaitForCommand("ProgramROM")) {
            sim.server.WithBoard([&](boardsim::Board&) {
                std::unique_lock lock(line.mutex);
                line.killAsked = station;
                line.changed.notify_all();
                line.changed.wait(lock, [&] { return line.generation[station] > run; });
            });
        }
        if (done == stopAtChip && sim.WaitForCommand("ProgramROM")) {
            sim.server.WithBoard([&](boardsim::Board&) {
                std::unique_lock lock(line.mutex);
                line.stopAsked = station;
                line.changed.notify_all();
                line.changed.wait(lock, [&] { return line.stopped; });
            });
        }
        bool removal = false;
        for (;;) {
            removal = sim.WaitForCommand("WaitChipRemoval", 100);
            const std::lock_guard lock(line.mutex);
            if (removal || line.generation[station] > run || line.over)
                break;
        }
        // A removal asked for is a chip whose result has been reported.
        removal = removal || sim.WaitForCommand("WaitChipRemoval", 0);
        const int serial = sim.server.WithBoard([](boardsim::Board& b) {
            const int s = ChipSerial(b);
            b.RemoveChip();
            return s;
        });
        const std::lock_guard lock(line.mutex);
        line.holding[board] = -1;
        if (removal) {
            if (line.generation[station] > run)
                line.doneAtKill.insert(serial);
            line.serials[sim.Url()].push_back(serial);
            ++done;
            ++line.done;
        } else {
            line.killedChips.push_back(serial);
        }
        line.changed.notify_all();
    }
}

std::vector<std::string> StationArgs(const std::string& file, const std::string& store,
                                     const ProgramFolder& f, int station,
                                     const std::vector<std::unique_ptr<SimBoard>>& boards) {
    std::vector<std::string> args = {
        "auto",           file,
        "--chip",         "16F628A",
        "--serial-store", store,
        "--serial",       "1",
        "--serial-at",    "eeprom:0x20",
        "--serial-bytes", "2",
        "--station",      "S" + std::to_string(station),
        "--log",          f.Path("S" + std::to_string(station) + ".log"),
        "--quiet"};
    for (int b = 0; b < kBoards; ++b)
        args.insert(args.end(), {"--port", boards[station * kBoards + b]->Url()});
    return args;
}

TEST(StoreLine, FourStationsSixteenBoardsTwoKillsAndAServerRestartGiveEveryNumberOnce) {
    ProgramFolder f;
    const std::string store = LineDatabase(f, "line");
    const std::string file = WritePatternHex(f, "16F628A");
    std::vector<std::unique_ptr<SimBoard>> boards;
    for (int i = 0; i < kStations * kBoards; ++i) {
        boards.push_back(std::make_unique<SimBoard>(Model::Elm, "16F628A"));
        boards.back()->server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    }
    Line line;
    line.holding.fill(-1);
    // Stations 1 and 2 are killed: on their first board's 6th and 15th chip.
    const int killAt[kStations] = {-1, 5, 14, -1};
    std::vector<std::thread> operators;
    for (int i = 0; i < kStations * kBoards; ++i)
        operators.emplace_back(Operate, std::ref(*boards[i]), std::ref(line), i,
                               i % kBoards == 0 ? killAt[i / kBoards] : -1, i == 3 ? 12 : -1);
    std::vector<std::unique_ptr<ChildProcess>> stations;
    for (int s = 0; s < kStations; ++s)
        stations.push_back(std::make_unique<ChildProcess>(TESSARO_CLI_PATH,
                                                          StationArgs(file, store, f, s, boards)));

    const auto deadline = Clock::now() + std::chrono::minutes(3);
    bool restarted = false; // the server, once
    std::unique_lock lock(line.mutex);
    while (line.done < kStations * kBoards * kChips && Clock::now() < deadline) {
        line.changed.wait_until(lock, Clock::now() + std::chrono::milliseconds(200));
        if (line.killAsked >= 0) {
            const int s = std::exchange(line.killAsked, -1);
            lock.unlock();
            stations[s]->Kill();
            EXPECT_EQ(stations[s]->Wait(), -1);
            lock.lock();
            ++line.generation[s];
            line.changed.notify_all();
            // Its boards' chips in hand come out before it starts again.
            line.changed.wait_until(lock, deadline, [&] {
                for (int b = s * kBoards; b < (s + 1) * kBoards; ++b)
                    if (line.holding[b] >= 0 && line.holding[b] < line.generation[s])
                        return false;
                return true;
            });
            lock.unlock();
            stations[s] = std::make_unique<ChildProcess>(TESSARO_CLI_PATH,
                                                         StationArgs(file, store, f, s, boards));
            lock.lock();
        }
        if (line.stopAsked >= 0) {
            // A chip of this station is in hand while the server is away: its
            // result goes to the station's journal, and is written from there.
            const int s = std::exchange(line.stopAsked, -1);
            lock.unlock();
            ASSERT_TRUE(Server().Stop());
            lock.lock();
            line.stopped = true;
            line.changed.notify_all();
            lock.unlock();
            const std::string journal = f.Path("S" + std::to_string(s) + ".log.journal");
            std::error_code ec;
            while ((std::filesystem::file_size(journal, ec) == 0 || ec) && Clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            EXPECT_GT(std::filesystem::file_size(journal, ec), 0u);
            ASSERT_TRUE(Server().Start());
            restarted = true;
            lock.lock();
        }
    }
    line.over = true;
    lock.unlock();
    for (std::thread& t : operators)
        t.join();
    for (auto& station : stations) {
        station->Interrupt();
        station->Wait();
    }
    // The stations' logs tell what a board was doing when the line stalled.
    if (line.done != kStations * kBoards * kChips)
        for (int st = 0; st < kStations; ++st) {
            const std::string text = ReadFile(f.Path("S" + std::to_string(st) + ".log"));
            std::cerr << "S" << st << " lines " << std::count(text.begin(), text.end(), '\n')
                      << " tail " << text.substr(text.size() > 600 ? text.size() - 600 : 0) << "\n";
        }
    ASSERT_EQ(line.done, kStations * kBoards * kChips);
    ASSERT_TRUE(restarted);

    // Every row closed: done rows by the chips that hold their numbers.
    std::map<int, std::string> rows; // serial: state|result|board
    for (const std::string& row :
         Server().Sql("line", "SELECT serial || '|' || state || '|' || coalesce(result, '-') || "
                              "'|' || board || '|' || coalesce(image_crc32, '-') "
                              "FROM tessaro_chips")) {
        const int serial = std::stoi(row.substr(0, row.find('|')));
        EXPECT_TRUE(rows.emplace(serial, row.substr(row.find('|') + 1)).second) << row;
    }
    std::set<int> inChips;
    for (const auto& [board, serials] : line.serials)
        for (const int serial : serials) {
            EXPECT_TRUE(inChips.insert(serial).second) << serial << " in two chips";
            const std::string& row = rows[serial];
            if (line.doneAtKill.count(serial) != 0 && row.rfind("interrupted|", 0) == 0)
                continue;
            EXPECT_EQ(row.substr(0, row.rfind('|')), "done|done|" + board) << serial;
            EXPECT_NE(row.substr(row.rfind('|')), "|-") << serial;
        }
    int interrupted = 0;
    std::size_t interruptedDone = 0; // done chips whose station died before their result
    for (const int serial : line.doneAtKill)
        interruptedDone += rows.count(serial) != 0 && rows.at(serial).rfind("interrupted|", 0) == 0;
    for (const auto& [serial, row] : rows) {
        const std::string state = row.substr(0, row.find('|'));
        interrupted += state == "interrupted" ? 1 : 0;
        if (state != "done") {
            EXPECT_TRUE(state == "voided" || state == "interrupted") << serial << " " << row;
            EXPECT_EQ(inChips.count(serial) - line.doneAtKill.count(serial), 0u) << serial;
        }
    }
    EXPECT_EQ(inChips.size(), static_cast<std::size_t>(kStations * kBoards * kChips));
    EXPECT_GE(interrupted, 2); // a chip in hand at each kill
    // The numbers given are 1..N without a gap: each in exactly one place.
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.begin()->first, 1);
    EXPECT_EQ(rows.rbegin()->first, static_cast<int>(rows.size()));

    CliRun status = RunTool(f, {"serials", "status", "--json", "--serial-store", store});
    ASSERT_EQ(status.Results().size(), 1u) << status.err;
    std::map<std::string, std::string> counts = status.Results()[0];
    const auto n = [&](const char* key) { return std::stoi(counts[key]); };
    EXPECT_EQ(n("given"), static_cast<int>(rows.size()));
    EXPECT_EQ(n("given"), n("done") + n("voided") + n("interrupted") + n("open") + n("reusable"));
    EXPECT_EQ(n("done") + static_cast<int>(interruptedDone), kStations * kBoards * kChips);
    EXPECT_EQ(n("interrupted"), interrupted);
    EXPECT_EQ(n("open"), 0);
    EXPECT_EQ(n("next"), n("given") + 1);
}
} // namespace
