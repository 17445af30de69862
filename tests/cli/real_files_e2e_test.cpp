// Files in the shapes today's compilers write, through tessaro-cli as a
// process of its own: programmed, verified and read back byte for byte, a
// chip of each core in the simulated board's socket.
#include "child_process.h"
#include "cli/cli_test_support.h"
#include "corpus/chip_expect.h"
#include "test_platform.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {
using namespace clitest;

// What a HEX file written by the program holds, read by the tests' own reader.
corpus::ChipHolds HeldInFile(const ChipRecord& chip, const std::map<long, int>& file) {
    const auto byte = [file](long at, int blank) {
        const auto found = file.find(at);
        return found == file.end() ? blank : found->second;
    };
    const auto word = [byte](long at) { return byte(at, 0xFF) | byte(at + 1, 0xFF) << 8; };
    corpus::ChipHolds holds;
    holds.rom = [&chip, word](int n) { return word(2L * n) & chip.WordMask; };
    const bool wide = chip.IsWide();
    holds.eeprom = [byte, wide](int n) {
        return byte(wide ? 0xF00000 + n : 0x4200 + 2L * n, 0xFF);
    };
    holds.idDigit = [&chip, byte, wide](int n) {
        return byte(corpus::IdStart(chip) + (wide ? n : 2L * n), 0xFF) & 0xF;
    };
    holds.config = [&chip, word](int k) { return word(corpus::ConfigStart(chip) + 2L * (k - 1)); };
    return holds;
}

struct Case {
    corpus::Program program;
    unsigned shape;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.program.chip;
}

class RealFiles : public ::testing::TestWithParam<Case> {};

TEST_P(RealFiles, ProgramVerifyAndReadBackByteForByte) {
    SKIP_ON_WINDOWS("gpasm runs at test time: Wine starts a Linux program but does not wait");
    using namespace corpus;
    const Case& c = GetParam();
    const ChipRecord chip = Record(c.program.chip);
    ProgramFolder f;
    const std::string assembled = Assemble(c.program, "inhx32", f.Dir());
    ASSERT_FALSE(assembled.empty()) << "gputils failed or is missing (scripts/deps installs it)";
    std::map<long, int> bytes = DataBytes(assembled);
    bytes = WithErasedId(WithBitsAboveTheCore(WithJumpAtTheTop(bytes, chip), chip), chip);
    if (c.shape & kNoLinear)
        bytes = FirstSegment(bytes);
    const std::string file = f.Path("shaped.hex");
    std::ofstream(file, std::ios::binary) << WriteShaped(bytes, c.shape, chip);

    SimBoard sim(boardsim::Model::Birch_A, c.program.chip);
    int calibration = -1;
    sim.server.WithBoard([&](boardsim::Board& b) { calibration = b.chip().Rom(chip.ROMSize - 1); });
    const auto run = [&](const std::string& command, const std::string& path) {
        ChildProcess tool(TESSARO_CLI_PATH, {command, path, "--chip", c.program.chip, "--port",
                                             sim.Url(), "--yes", "--quiet"});
        return tool.Wait();
    };
    ASSERT_EQ(run("program", file), 0);
    EXPECT_EQ(run("verify", file), 0);
    const std::string readBack = f.Path("read.hex");
    ASSERT_EQ(run("read", readBack), 0);

    corpus::ChipHolds holds = HeldInFile(chip, DataBytes(readBack));
    holds.factoryCalibration = calibration;
    ExpectFileOnChip(chip, holds, bytes);
    sim.server.WithBoard([&](boardsim::Board& b) {
        corpus::ChipHolds onChip;
        onChip.rom = [&b](int n) { return b.chip().Rom(n); };
        onChip.eeprom = [&b](int n) { return b.chip().Eeprom(n); };
        onChip.idDigit = [&b](int n) { return b.chip().Id(n) & 0xF; };
        onChip.config = [&b](int k) { return b.chip().Config(k - 1); };
        onChip.factoryCalibration = calibration;
        ExpectFileOnChip(chip, onChip, bytes);
    });
}

using namespace corpus;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, RealFiles, ::testing::Values(
    Case{kPrograms[0], kDataFirst | kByteConfig | kTrailingText | kMixedLineEnds},   // 12F508
    Case{kPrograms[1], kNoLinear | kConfigFromOdd | kTopFirst},                      // 16F628A
    Case{kPrograms[5], kDataFirst | kConfigFromOdd | kOddRecords | kStartAddress}), // 18F4550
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.program.chip); });
// clang-format on

} // namespace
