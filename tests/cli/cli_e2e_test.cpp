// tessaro-cli against the board simulator over RFC 2217 on loopback: the
// results a script or a production bench relies on.
#include "child_process.h"
#include "cli/cli_test_support.h"
#include "test_platform.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "image/hex_save.h"
#include "platform/text_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

// Programs a file, verifies it and reads the chip back: the file read is the
// file that went in, with the fuse and ID options applied.
void ProgramVerifyRead(SimBoard& sim, const ProgramFolder& f, const std::string& chipName,
                       const std::vector<std::string>& options, const MemoryImage& expected,
                       const std::string& expectedId) {
    const ChipRecord chip = Record(chipName);
    const std::string file = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    const std::vector<std::string> base = With({"--chip", chipName, "--json"}, options);

    CliRun program = RunTool(f, With({"program", file}, base));
    ASSERT_EQ(program.code, 0) << program.err;
    ASSERT_EQ(program.Results().size(), 1u) << program.out;
    EXPECT_EQ(program.Results()[0]["result"], "done");
    EXPECT_EQ(program.Results()[0]["device_id"].substr(0, 2), "0x");

    CliRun verify = RunTool(f, With({"verify", file}, base));
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_NE(verify.err.find("Data verified"), std::string::npos) << verify.err;

    const std::vector<std::string> readArgs = {"--chip", chipName, "--quiet"};
    CliRun read =
        RunTool(f, With({"read", f.Path("out.hex")}, With(readArgs, {options[0], options[1]})));
    EXPECT_EQ(read.code, 0) << read.err;
    std::string id = expectedId;
    const std::string want = WriteHex(f, "want.hex", expected, chip, id);
    EXPECT_EQ(ReadFile(f.Path("out.hex")), ReadFile(want));
    EXPECT_EQ(sim.board.HostErrors(), 0);
}

TEST(Cli, ProgramVerifyAndReadBackA14BitChipOnABoardItFindsOut) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    MemoryImage expected = Pattern(chip);
    expected.FuseValue[1] = 0x3FFB; // the Watchdog row's "Disabled"
    ProgramVerifyRead(sim, f, "16F628A",
                      {"--port", "COM1", "--fuse", "watchdog=Disabled", "--id", "C0DE"}, expected,
                      "C0DE");
}

TEST(Cli, ProgramVerifyAndReadBackA16BitChipOnTheBoardNamed) {
    SimBoard sim(Model::Birch_B, "18F252");
    ProgramFolder f;
    const ChipRecord chip = Record("18F252");
    ProgramVerifyRead(sim, f, "18F252", {"--port", sim.Url(), "--style", "birch_b"}, Pattern(chip),
                      "FFFFFFFF");
}

TEST(Cli, AChangedWordFailsVerifyWithItsAddressAndAChipThatIsNotBlankFailsBlank) {
    SimBoard sim(Model::Cedar, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    const std::string file = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    sim.server.WithBoard([&](boardsim::Board& b) {
        std::vector<std::string> lines;
        boardsim::ReadTextLines(file, lines);
        EXPECT_TRUE(boardsim::LoadChipHex(b.chip(), lines).ok);
        b.chip().SetRom(0x25, 0x0123);
    });
    CliRun verify = RunTool(f, {"verify", file, "--chip", "16f628a", "--json", "--trace"});
    EXPECT_EQ(verify.code, 1);
    // --trace: the states passed through and the bytes on the line, in order.
    const std::size_t start = verify.err.find(" tx 50 03");
    const std::size_t model = verify.err.find(" state 10 AwaitStart -> 11 AwaitModel");
    const std::size_t stop = verify.err.find(" state 101 VerifyRomBlocks -> 500 Closing");
    EXPECT_LT(start, model) << verify.err;
    EXPECT_LT(model, stop) << verify.err;
    EXPECT_NE(stop, std::string::npos) << verify.err;
    ASSERT_EQ(verify.Results().size(), 1u) << verify.out;
    auto r = verify.Results()[0];
    EXPECT_EQ(r["result"], "difference");
    EXPECT_EQ(r["region"], "ROM");
    EXPECT_EQ(r["address"], "0x0025");
    EXPECT_EQ(r["expected"], "0x1303");
    EXPECT_EQ(r["found"], "0x0123");
    EXPECT_NE(verify.err.find("error: ROM error at 0x0025 / Good 0x1303 / Bad 0x0123"),
              std::string::npos)
        << verify.err;

    CliRun blank = RunTool(f, {"blank", "--chip", "16F628A", "--json"});
    EXPECT_EQ(blank.code, 1);
    ASSERT_EQ(blank.Results().size(), 1u) << blank.out;
    EXPECT_EQ(blank.Results()[0]["not_erased"], "[\"ROM\",\"EEPROM\"]");
}

TEST(Cli, InfoSaysWhetherTheChipInTheSocketIsTheChipNamed) {
    SimBoard sim(Model::Birch_A, "16F628A");
    ProgramFolder f(sim.Url());
    CliRun same = RunTool(f, {"info", "--chip", "16F628A", "--json"});
    EXPECT_EQ(same.code, 0) << same.err;
    ASSERT_EQ(same.Results().size(), 1u) << same.out;
    auto r = same.Results()[0];
    EXPECT_EQ(r["board"], "Birch_A");
    EXPECT_EQ(r["model_answer"], "Birch_A");
    EXPECT_EQ(r["device_id"], "0x1060");
    EXPECT_EQ(r["match"], "true");
    EXPECT_EQ(r["socket_chip"], "16F628A");

    // Another chip of the same core is named by the ID it reports.
    CliRun other = RunTool(f, {"info", "--chip", "16F84A"});
    EXPECT_EQ(other.code, 1);
    EXPECT_NE(other.out.find("does not match"), std::string::npos) << other.out;
    EXPECT_NE(other.out.find("chip in socket: 16F628A\n"), std::string::npos) << other.out;
    EXPECT_NE(other.err.find("question: The programmer does not recognise the [16F84A]"),
              std::string::npos)
        << other.err;
    EXPECT_NE(other.err.find("The chip in the socket reports the ID of a 16F628A."),
              std::string::npos)
        << other.err;
    CliRun json = RunTool(f, {"info", "--chip", "16F84A", "--json"});
    ASSERT_EQ(json.Results().size(), 1u) << json.out;
    EXPECT_EQ(json.Results()[0]["socket_chip"], "16F628A");
}

// Input is checked before the port opens: no board is needed to refuse it.
TEST(Cli, BadInputExits3) {
    ProgramFolder f;
    const ChipRecord chip = Record("16F628A");
    const std::string good = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    std::ofstream(f.Path("bad.hex")) << ":020000040000FA\n:0400000001020304F0\n:00000001FF\n";

    CliRun badFile = RunTool(f, {"program", f.Path("bad.hex"), "--chip", "16F628A"});
    EXPECT_EQ(badFile.code, 3);
    EXPECT_NE(badFile.err.find("error: Error in HEX file - line 1"), std::string::npos);
    EXPECT_EQ(RunTool(f, {"program", good, "--chip", "16Z999"}).code, 3);
    EXPECT_EQ(
        RunTool(f, {"program", good, "--chip", "16F628A", "--fuse", "Watchdog=Sometimes"}).code, 3);
    EXPECT_EQ(RunTool(f, {"verify", good, "--chip", "16F628A", "--count", "2"}).code, 3);

    // A file with nothing for the chip would program a blank image.
    std::ofstream(f.Path("empty.hex")) << ":00000001FF\n:0400000001020304F2\n";
    for (const char* command : {"program", "verify"}) {
        CliRun empty = RunTool(f, {command, f.Path("empty.hex"), "--chip", "16F628A"});
        EXPECT_EQ(empty.code, 3);
        EXPECT_NE(empty.err.find(f.Path("empty.hex") + " holds no data"), std::string::npos)
            << empty.err;
    }
}

// COM10 and above are Windows's own ports, opened as they are; elsewhere, as
// COM0 everywhere, they name no port.
TEST(Cli, ComNumbersAboveNineAreWindowsPorts) {
    ProgramFolder f;
    CliRun none = RunTool(f, {"info", "--chip", "16F628A", "--port", "COM0"});
    EXPECT_EQ(none.code, 3);
    EXPECT_NE(none.err.find("no port COM0"), std::string::npos) << none.err;
    CliRun twelve = RunTool(f, {"info", "--chip", "16F628A", "--port", "com12"});
    if (testplatform::kWindows) {
        EXPECT_EQ(twelve.code, 2) << twelve.err; // there is no COM12 to open here
        EXPECT_EQ(twelve.err.find("no port"), std::string::npos) << twelve.err;
    } else {
        EXPECT_EQ(twelve.code, 3);
        EXPECT_NE(twelve.err.find("no port com12"), std::string::npos) << twelve.err;
    }
}

// A file made for a larger chip is programmed as far as it fits, and the user
// learns what did not.
TEST(Cli, SaysWhatOfTheFileLiesOutsideTheChip) {
    SimBoard sim(Model::Birch_A, "16F84A");
    ProgramFolder f(sim.Url());
    std::ofstream(f.Path("big.hex")) << ":020000004110AD\n:020800004110A5\n:00000001FF\n";
    CliRun run = RunTool(f, {"program", f.Path("big.hex"), "--chip", "16F84A"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("2 bytes of " + f.Path("big.hex") +
                           " lie outside 16F84A's memory and were not loaded"),
              std::string::npos)
        << run.err;
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0), 0x1041); });
}

// A file without a calibration word keeps the chip's, and the log says which.
TEST(Cli, ProgramKeepsTheChipsCalibrationAndLogsIt) {
    SimBoard sim(Model::Elm, "12F675");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("12F675");
    const std::string file = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    CliRun run = RunTool(f, {"program", file, "--chip", "12F675", "--log", f.Path("bench.log")});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Keeping the chip's calibration 0x3480"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("question:"), std::string::npos) << run.err;
    EXPECT_EQ(ParseFlatJson(ReadFile(f.Path("bench.log")))["calibration"],
              R"({"read":"0x3480","written":"0x3480"})");
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0x3FF), 0x3480); });
}

TEST(Cli, ABoardThatFailsExits2) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    const std::string good = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    sim.server.WithBoard([](boardsim::Board& b) { b.faults().silentAtCommand = 0x03; });
    CliRun silent = RunTool(f, {"program", good, "--chip", "16F628A"});
    EXPECT_EQ(silent.code, 2);
    EXPECT_NE(silent.err.find("error: The board is not responding"), std::string::npos)
        << silent.err;

    // The board named is the board there, in its greeting and in its answers.
    EXPECT_EQ(RunTool(f, {"info", "--style", "Cedar"}).code, 2);
    sim.server.WithBoard([](boardsim::Board& b) { b.faults().modelCode = 1; });
    CliRun wrong = RunTool(f, {"info", "--chip", "16F628A", "--style", "Elm", "--json"});
    EXPECT_EQ(wrong.code, 2);
    ASSERT_EQ(wrong.Results().size(), 1u) << wrong.out;
    EXPECT_EQ(wrong.Results()[0]["result"], "wrong board");
    sim.server.WithBoard([](boardsim::Board& b) {
        b.faults().modelCode = -1;
        b.faults().silentAfterBytes = 0; // not even a greeting
    });
    CliRun mute = RunTool(f, {"info", "--style", "Elm", "--port", sim.Url()});
    EXPECT_EQ(mute.code, 2);
    EXPECT_NE(mute.err.find("error: Reset failed. Please check... / Communications port, "
                            "currently [ " +
                            sim.Url() + " ]"),
              std::string::npos)
        << mute.err;

    // The board fails between two chips of a counted run: the run is not a success.
    sim.server.WithBoard([](boardsim::Board& b) {
        b.faults().replaceAtCommand = 0x16; // WaitChipRemoval
        b.faults().replacement = "X";
    });
    CliRun bench = RunTool(f, {"auto", good, "--chip", "16F628A", "--count", "2"});
    EXPECT_EQ(bench.code, 2);
    EXPECT_NE(bench.err.find("chip 1: done; 1 passed, 0 failed"), std::string::npos) << bench.err;

    const std::string url = sim.Url();
    sim.server.Stop();
    EXPECT_EQ(RunTool(f, {"info", "--port", url}).code, 2);
}

// A bench: the socket starts empty; each chip is put in blank and taken out
// once programmed. Two chips, two log lines.
TEST(Cli, AutoProgramsEachChipInsertedAndLogsIt) {
    SimBoard sim(Model::Elm, "16F628A");
    sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    const std::string file = WriteHex(f, "in.hex", Pattern(chip), chip, "");
    // The operator is quick: a chip may change before the board's "armed" answer is out.
    std::thread operator_([&] {
        for (int chips = 0; chips < 2; ++chips) {
            if (!sim.WaitForCommand("WaitChipInsertion"))
                return;
            sim.server.WithBoard([](boardsim::Board& b) {
                b.chip().Blank();
                b.InsertChip();
            });
            if (chips == 1 || !sim.WaitForCommand("WaitChipRemoval"))
                return;
            sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
        }
    });
    CliRun run = RunTool(
        f, {"auto", file, "--chip", "16F628A", "--count", "2", "--log", f.Path("bench.log")});
    operator_.join();
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("chip 2: done; 2 passed, 0 failed"), std::string::npos) << run.err;
    std::istringstream log(ReadFile(f.Path("bench.log")));
    std::vector<std::map<std::string, std::string>> lines;
    for (std::string line; std::getline(log, line);)
        lines.push_back(ParseFlatJson(line));
    ASSERT_EQ(lines.size(), 2u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["number"], std::to_string(i + 1));
        EXPECT_EQ(lines[i]["result"], "done");
        EXPECT_EQ(lines[i]["device_id"], "0x1060");
        EXPECT_EQ(lines[i]["image_crc32"].size(), 10u);
        EXPECT_EQ(lines[i]["time"].size(), 20u);
    }
    EXPECT_EQ(lines[0]["image_crc32"], lines[1]["image_crc32"]);
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(63), 0x1200 + 7 * 63); });
}

// Ctrl-C while the words go out: the write stops, the board is reset, and the
// port is free for the next run at once. Ctrl-C comes from the console: the
// test runs in a child of its own, which on Windows has one.
TEST(Cli, CtrlCDuringProgramCancelsItAndLeavesThePortFree) {
    if (ChildRole().empty()) {
        EXPECT_EQ(ChildProcess::OfThisTest("console").Wait(), 0);
        return;
    }
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    MemoryImage full = Pattern(chip);
    std::fill(full.ROMData.begin(), full.ROMData.end(), 0x2800);
    const std::string file = WriteHex(f, "in.hex", full, chip, "");
    std::thread user([&] {
        if (sim.WaitForCommand("ProgramROM"))
            testplatform::InterruptThisProgram();
    });
    CliRun run = RunTool(f, {"program", file, "--chip", "16F628A", "--json"});
    user.join();
    EXPECT_EQ(run.code, 4) << run.err;
    ASSERT_EQ(run.Results().size(), 1u) << run.out;
    EXPECT_EQ(run.Results()[0]["result"], "cancelled");
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0x7FF), 0x3FFF); });
    EXPECT_EQ(RunTool(f, {"info", "--chip", "16F628A"}).code, 0);
}

} // namespace
