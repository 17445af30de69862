// tessaro-cli upgrade against the simulator: the board's firmware from its
// upgrade image into the 16F628 in the socket, unscrambled for the board
// that greeted.
#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

// An upgrade image as the file holds it: words 0x100.. XORed with the mask, a
// blank word, the sixteenth word one to drop, and the ID.
std::string WriteUpgradeImage(const ProgramFolder& f) {
    const ChipRecord chip = Record("16F628");
    MemoryImage image;
    for (int i = 0; i < 18; ++i)
        image.ROMData.push_back(i == 3 ? 0x3FFF : i == 15 ? 0x2000 : (0x100 + i) ^ 0x5C);
    image.FuseValue = chip.FuseBlank;
    return WriteHex(f, "fw.hex", image, chip, "1234");
}

TEST(Upgrade, TheFirmwareIsUnscrambledForTheBoardAndWrittenOnlyWhenAsked) {
    SimBoard sim(Model::Elm, "16F628");
    ProgramFolder f(sim.Url());
    const std::string file = WriteUpgradeImage(f);
    // Refused before the board is touched: a chip named, a file that is not there.
    EXPECT_EQ(RunTool(f, {"upgrade", file, "--chip", "16F84A"}).code, 3);
    EXPECT_EQ(RunTool(f, {"upgrade", f.Path("missing.hex")}).code, 3);
    const boardsim::Chip& chip = sim.board.chip();
    // Without --yes the question is answered No: nothing is written.
    CliRun no = RunTool(f, {"upgrade", file});
    EXPECT_EQ(no.code, 1) << no.err;
    EXPECT_EQ(chip.Rom(0), 0x3FFF);

    CliRun run = RunTool(f, {"upgrade", file, "--yes", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto result = ParseFlatJson(run.out);
    EXPECT_EQ(result.at("operation"), "upgrade");
    EXPECT_EQ(result.at("chip"), "16F628");
    EXPECT_EQ(result.at("result"), "done");
    EXPECT_EQ(chip.Rom(0), 0x100);
    EXPECT_EQ(chip.Rom(3), 0x3FFF); // a blank word stays blank
    EXPECT_EQ(chip.Rom(15), 0x110); // the sixteenth dropped, the rest moved down
    EXPECT_EQ(chip.Rom(16), 0x111);
    EXPECT_EQ(chip.Rom(17), 0x3FFF);
    EXPECT_EQ(chip.Rom(2047), 0x1234); // the ID is the last word
    EXPECT_EQ(chip.Config(0), 0xF0A);  // an Elm board's
}

} // namespace
