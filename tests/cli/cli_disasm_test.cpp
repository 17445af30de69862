// tessaro-cli disasm and read --disasm: the program memory as instructions,
// the calibration word labelled, the configuration word by its options; and
// a verify's configuration difference by the options that differ.
#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

namespace {
using namespace clitest;

MemoryImage DisasmImage(const ChipRecord& chip) {
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    image.ROMData[0] = 0x2805;                                          // GOTO 0x0005
    image.ROMData[5] = 0x1683;                                          // BSF 0x03, 5
    image.ROMData[static_cast<std::size_t>(chip.ROMSize - 1)] = 0x345C; // the calibration RETLW
    image.EEPROMData.assign(static_cast<std::size_t>(chip.EEPROMSize), 0xFF);
    image.FuseValue = chip.FuseBlank;
    image.FuseValue[1] = 0x31F4; // INTRCIO, watchdog disabled
    return image;
}

} // namespace

TEST(CliDisasm, ListsInstructionsCalibrationAndConfigurationAsTextAndJson) {
    ProgramFolder f;
    const ChipRecord chip = Record("12F675");
    const std::string file = WriteHex(f, "in.hex", DisasmImage(chip), chip, "");
    const CliRun text = RunTool(f, {"disasm", file, "--chip", "12f675"});
    ASSERT_EQ(text.code, 0) << text.err;
    for (const char* line :
         {"0000: 2805      GOTO 0x0005\n0001: 3FFF      ; blank up to 0004 (4 words)\n"
          "0005: 1683      BSF 0x03, 5\n",
          "03FF: 345C      RETLW 0x5C  ; calibration\n2007: 31F4      ; configuration word 1\n"
          "    Oscillator: INTRCIO\n    Watchdog: Disabled\n"})
        EXPECT_NE(text.out.find(line), std::string::npos) << text.out;

    const CliRun json = RunTool(f, {"disasm", file, "--chip", "12F675", "--json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const auto objects = json.Results();
    ASSERT_EQ(objects.size(), 6u) << json.out;
    EXPECT_EQ(objects[0].at("instruction"), "GOTO 0x0005");
    EXPECT_EQ(objects[0].at("words"), R"(["0x2805"])");
    EXPECT_EQ(objects[1].at("blank_words"), "4");
    EXPECT_EQ(objects[4].at("calibration"), "true");
    EXPECT_EQ(objects[5].at("address"), "0x2007");
    EXPECT_NE(objects[5].at("options").find(R"("Watchdog":"Disabled")"), std::string::npos);
}

TEST(CliDisasm, ReadPrintsWhatItReadVerifyNamesTheOptionsThatDiffer) {
    SimBoard sim(boardsim::Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    ASSERT_EQ(RunTool(f, {"program", file, "--chip", "16F628A", "--quiet"}).code, 0);
    const CliRun read = RunTool(f, {"read", f.Path("out.hex"), "--chip", "16F628A", "--disasm"});
    EXPECT_EQ(read.code, 0) << read.err;
    // The pattern's first words, 0x1200 and 0x1207.
    EXPECT_EQ(read.out.substr(0, 56), "0000: 1200      BCF 0x00, 4\n0001: 1207      BCF 0x07, 4\n");

    // A configuration word that differs: after its message, the options that differ.
    const CliRun verify =
        RunTool(f, {"verify", file, "--chip", "16F628A", "--json", "--fuse", "Watchdog=Disabled"});
    EXPECT_EQ(verify.code, 1);
    const std::size_t box =
        verify.err.find("error: Fuse error 0x2007 / Good 0x3FFB / Bad 0x3FFF\n");
    ASSERT_NE(box, std::string::npos) << verify.err;
    EXPECT_NE(verify.err.find("tessaro-cli: Watchdog: file Disabled, chip Enabled\n", box),
              std::string::npos)
        << verify.err;
    ASSERT_EQ(verify.Results().size(), 1u);
    EXPECT_EQ(verify.Results()[0].at("fuse_difference"),
              R"(["Watchdog: file Disabled, chip Enabled"])");

    EXPECT_EQ(RunTool(f, {"verify", file, "--chip", "16F628A", "--disasm"}).code, 3);
    const CliRun board = RunTool(f, {"disasm", file, "--chip", "16F628A", "--port", "COM1"});
    EXPECT_EQ(board.code, 3);
    EXPECT_NE(board.err.find("disasm reads a file, not a board"), std::string::npos);
}
