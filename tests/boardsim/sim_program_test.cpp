// The command line and the standard-input commands of tessaro-boardsim.
#include "sim_fixtures.h"

#include "chip_hex.h"
#include "console.h"
#include "sim_options.h"

#include <cstdio>
#include <unistd.h>

namespace boardsim::test {
namespace {

SimOptionsResult Parse(std::initializer_list<const char*> args) {
    return ParseSimOptions(std::vector<std::string>(args.begin(), args.end()));
}

TEST(SimOptions, ReadsTheBoardTheChipByHandAndTheAddress) {
    const SimOptionsResult r = Parse({"--model",     "birch_b",    "--core",
                                      "16",          "--rom",      "0x4000",
                                      "--eeprom",    "256",        "--id",
                                      "0x0420",      "--revision", "3",
                                      "--fuseblank", "27FF,0F0F",  "--listen",
                                      "127.0.0.1:0", "--pace",     "--baud",
                                      "9600",        "--fault",    "answer ReadConfig ?F?N"});
    ASSERT_TRUE(r.ok) << r.error;
    const SimOptions& o = r.options;
    EXPECT_EQ(o.model, Model::Birch_B);
    EXPECT_EQ(o.chip.core, CoreClass::Core16);
    EXPECT_EQ(o.chip.romWords, 0x4000);
    EXPECT_EQ(o.chip.eepromBytes, 256);
    EXPECT_EQ(o.chip.idWord, 0x0420);
    EXPECT_EQ(o.revision, 3);
    EXPECT_EQ(o.chip.fuseBlank[1], 0x0F0F);
    EXPECT_EQ(o.host, "127.0.0.1");
    EXPECT_EQ(o.port, 0);
    EXPECT_TRUE(o.pacing.enabled);
    EXPECT_EQ(o.pacing.baud, 9600);
    ASSERT_EQ(o.faults.size(), 1u);
}

TEST(SimOptions, RefusesBadValues) {
    EXPECT_FALSE(Parse({"--model", "Oak"}).ok);
    EXPECT_FALSE(Parse({"--listen", "127.0.0.1"}).ok);
    EXPECT_FALSE(Parse({"--listen", "127.0.0.1:70000"}).ok);
    EXPECT_FALSE(Parse({"--rom", "0x9000"}).ok);
    EXPECT_FALSE(Parse({"--fault", "no-such-fault"}).ok);
    EXPECT_FALSE(Parse({"--core"}).ok);
    EXPECT_FALSE(Parse({"--frobnicate"}).ok);
}

TEST(SimConsole, SocketFaultsAndDumps) {
    Rig rig(Pic14());
    const std::string path =
        ::testing::TempDir() + "boardsim_console_" + std::to_string(::getpid()) + ".hex";
    RunConsoleLine(rig.board, "remove", path);
    EXPECT_FALSE(rig.board.ChipPresent());
    RunConsoleLine(rig.board, "insert", path);
    EXPECT_TRUE(rig.board.ChipPresent());
    EXPECT_TRUE(RunConsoleLine(rig.board, "fault answer VoltagesOn ?E?P", path).text.empty());
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "?E?P");
    EXPECT_FALSE(RunConsoleLine(rig.board, "fault nonsense", path).text.empty());
    RunConsoleLine(rig.board, "noise 0x41 66", path);
    EXPECT_EQ(rig.link.Drain(), "AB");

    rig.board.chip().SetRom(0, 0x2A2A);
    RunConsoleLine(rig.board, "dump", path);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(path, lines));
    Chip copy(Pic14());
    ASSERT_TRUE(LoadChipHex(copy, lines).ok);
    EXPECT_EQ(copy.Rom(0), 0x2A2A);
    rig.board.chip().SetRom(0, 0);
    EXPECT_EQ(RunConsoleLine(rig.board, "load " + path, path).text, "loaded " + path + "\n");
    EXPECT_EQ(rig.board.chip().Rom(0), 0x2A2A);
    std::remove(path.c_str());

    EXPECT_TRUE(RunConsoleLine(rig.board, "quit", path).quit);
    EXPECT_FALSE(RunConsoleLine(rig.board, "status", path).quit);
}

TEST(SimTranscript, NamesCommandsAndShowsEveryByte) {
    Rig rig(Pic14(), Model::Elm);
    std::vector<std::string> lines;
    rig.board.SetLog([&](const std::string& line) { lines.push_back(line); });
    rig.Ask(Bytes({0x07, 0x00, 0x01, 0x3F, 0xF2}));
    rig.link.SetDtr(true);
    rig.Ask(Bytes({0x04}));
    EXPECT_EQ(lines, (std::vector<std::string>{"host: ProgramROM 00 01", "board: 59  \"Y\"",
                                               "host: word 0000: 3F F2", "board: 59  \"Y\"",
                                               "host: DTR high", "board: held in reset",
                                               "host: 04 ignored (held in reset)"}));
}

} // namespace
} // namespace boardsim::test
