// The factory calibration of a chip through tessaro-cli: read, logged, and
// never replaced by a guess when the chip's own reads blank.
#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

TEST(Calibration, ReadLoggedAndABlankOneTakesOnlyTheValueGiven) {
    SimBoard sim(Model::Elm, "12F675");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("12F675");
    MemoryImage image = Pattern(chip);
    image.ROMData.back() = 0x3456; // the chip's own value, noted in the file
    const std::string file = WriteHex(f, "in.hex", image, chip, "");
    const std::string log = f.Path("line.log");
    sim.server.WithBoard([](boardsim::Board& b) { b.chip().SetRom(0x3FF, 0x3456); });

    CliRun read = RunTool(f, {"calibration", "--chip", "12F675", "--json"});
    ASSERT_EQ(read.code, 0) << read.err;
    ASSERT_EQ(read.Results().size(), 1u);
    EXPECT_EQ(read.Results()[0]["calibration_word"], "0x3456");
    EXPECT_EQ(read.Results()[0]["blank"], "false");

    const std::vector<std::string> program = {"program", file, "--chip", "12F675", "--log", log};
    EXPECT_EQ(RunTool(f, program).code, 0);

    // A chip that lost its calibration: left alone, unless the value is given.
    sim.server.WithBoard([](boardsim::Board& b) {
        b.chip().Blank();
        b.chip().SetRom(0, 0x0123);
    });
    CliRun refused = RunTool(f, With(program, {"--yes"}));
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("error: The chip's calibration word reads blank"), std::string::npos)
        << refused.err;
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0), 0x0123); });
    CliRun given = RunTool(f, With(program, {"--calibration", "0x3470", "--yes"}));
    EXPECT_EQ(given.code, 0) << given.err;
    sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0x3FF), 0x3470); });

    const auto lines = LogLines(log);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].at("calibration"), R"({"read":"0x3456","written":"0x3456"})");
    EXPECT_EQ(lines[1].at("result"), "declined");
    EXPECT_EQ(lines[1].at("calibration"), R"({"read":"0x3FFF","written":null})");
    EXPECT_EQ(lines[2].at("calibration"), R"({"read":"0x3FFF","written":"0x3470"})");
    EXPECT_EQ(lines[2].at("bandgap"), R"({"read":"11","written":"11"})");
}

} // namespace
