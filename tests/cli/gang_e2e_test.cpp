// Several boards in one run of tessaro-cli, and runs cut short by a kill.
#include "child_process.h"
#include "cli/cli_test_support.h"

#include <set>
#include <thread>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

// The operator of one board: puts a blank chip in when the board waits for
// one and takes it out when it is done, `chips` times (the last stays in).
std::thread Operate(SimBoard& sim, int chips) {
    return std::thread([&sim, chips] {
        for (int chip = 1; chip <= chips; ++chip) {
            if (!sim.WaitForCommand("WaitChipInsertion"))
                return;
            sim.server.WithBoard([](boardsim::Board& b) {
                b.chip().Blank();
                b.InsertChip();
            });
            if (chip == chips || !sim.WaitForCommand("WaitChipRemoval"))
                return;
            sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
        }
    });
}

TEST(Boards, ABoardThatFallsSilentIsSetAsideAndTheOthersFinishTheirChips) {
    SimBoard a(Model::Elm, "16F628A");
    SimBoard b(Model::Elm, "16F628A");
    SimBoard mute(Model::Elm, "16F628A");
    ProgramFolder f;
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string log = f.Path("line.log");
    for (SimBoard* sim : {&a, &b, &mute})
        sim->server.WithBoard([](boardsim::Board& board) { board.RemoveChip(); });
    mute.server.WithBoard([](boardsim::Board& board) { board.faults().silentAtCommand = 0x03; });
    std::thread operators[] = {Operate(a, 2), Operate(b, 2), Operate(mute, 1)};
    CliRun run = RunTool(f, {"auto", file, "--chip", "16F628A", "--count", "2", "--log", log,
                             "--port", a.Url(), "--port", b.Url(), "--port", mute.Url(), "--serial",
                             "1000", "--serial-at", "eeprom:0x20"});
    for (std::thread& t : operators)
        t.join();
    EXPECT_EQ(run.code, 2) << run.err;
    EXPECT_NE(run.err.find(mute.Url() + ": error: The board is not responding"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(a.Url() + ": 2 passed, 0 failed; ok"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(mute.Url() + ": 0 passed, 1 failed; board failed"), std::string::npos)
        << run.err;

    std::map<std::string, std::vector<std::string>> results; // board: results in order
    std::set<std::string> serials;
    for (const auto& line : LogLines(log)) {
        results[line.at("board")].push_back(line.at("result"));
        if (line.at("result") != "started") {
            EXPECT_TRUE(serials.insert(line.at("serial")).second) << line.at("serial");
        }
    }
    const std::vector<std::string> two = {"started", "done", "started", "done"};
    EXPECT_EQ(results[a.Url()], two);
    EXPECT_EQ(results[b.Url()], two);
    EXPECT_EQ(results[mute.Url()], (std::vector<std::string>{"started", "no answer"}));
    EXPECT_EQ(serials, (std::set<std::string>{"1000", "1001", "1002", "1003", "1004"}));
}

// Killed in the middle of a chip, then started again: the chip that was cut
// has its line in the log and its number is not given again.
TEST(Boards, ARunKilledMidChipNeverGivesItsNumberAgain) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    MemoryImage full = Pattern(chip);
    std::fill(full.ROMData.begin() + 64, full.ROMData.end(), 0x2800);
    const std::string file = WriteHex(f, "in.hex", full, chip, "");
    const std::string log = f.Path("line.log");
    const std::vector<std::string> args = {
        "program", file,    "--chip", "16F628A", "--log",       log,          "--serial",
        "1000",    "--yes", "--port", sim.Url(), "--serial-at", "eeprom:0x40"};
    ChildProcess child(TESSARO_CLI_PATH, args);
    ASSERT_TRUE(sim.WaitForCommand("ProgramROM"));
    child.Kill();
    ASSERT_EQ(child.Wait(), -1);

    CliRun again = RunTool(f, args);
    EXPECT_EQ(again.code, 0) << again.err;
    const auto lines = LogLines(log);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].at("result"), "started");
    EXPECT_EQ(lines[0].at("serial"), "1000");
    EXPECT_EQ(lines[1].at("serial"), "1001");
    EXPECT_EQ(lines[2].at("result"), "done");
    EXPECT_EQ(lines[2].at("serial"), "1001");
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Eeprom(0x43), 0xE9); });
}

} // namespace
