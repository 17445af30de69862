#include "fuse_test_rows.h"
#include "hex_test_support.h"

#include "fuses/fuse_explain.h"

#include <gtest/gtest.h>

namespace {

FuseRows ExplainRows14() {
    FuseRows rows;
    rows[1] = MakeFuseRow("Oscillator", {{"RC", "3FFF"}, {"HS", "3FFE"}, {"XT", "3FFD"}});
    rows[2] = MakeFuseRow("Watchdog", {{"Enabled", "3FFF"}, {"Disabled", "3FFB"}});
    rows[3] = MakeFuseRow("Code Protect", {{"Off", "3FFF"}, {"On", "3F8F"}});
    return rows;
}

} // namespace

TEST(FuseExplain, NamesTheOptionsAWordSelects) {
    const ChipRecord chip = hextest::Chip14();
    const auto settings = FuseSettings(ExplainRows14(), chip, 1, 0x3FDA);
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(settings[0].label + ": " + settings[0].option, "Oscillator: HS");
    EXPECT_EQ(settings[1].option, "Disabled");
    // Only some of the protection bits cleared: no option matches, the bits are named.
    EXPECT_EQ(settings[2].option, "no option (0x0050)");
    EXPECT_FALSE(settings[2].matched);
    EXPECT_EQ(ConfigWordAt(chip, ConfigWordAddress(chip, 1)), 1);
    EXPECT_EQ(ConfigWordAddress(chip, 1), 0x2007);
    EXPECT_EQ(ConfigWordAddress(hextest::Chip12(), 1), 0xFFF);
    EXPECT_EQ(ConfigWordAt(hextest::ChipSerialEEPROM(), 0x2007), 0);
}

TEST(FuseExplain, SaysWhichOptionsDifferAndNamesBitsNoListCovers) {
    ChipRecord chip = hextest::Chip14();
    const FuseRows rows = ExplainRows14();
    EXPECT_EQ(ExplainFuseDifference(rows, chip, 0x2007, 0x3FFA, 0x3FFE),
              (std::vector<std::string>{"Watchdog: file Disabled, chip Enabled"}));
    EXPECT_TRUE(ExplainFuseDifference(rows, chip, 0x2007, 0x3FFA, 0x3FFA).empty());
    EXPECT_TRUE(ExplainFuseDifference(rows, chip, 0x2006, 0x3FFA, 0x3FFE).empty());
    chip.BandGap = true;
    EXPECT_EQ(ExplainFuseDifference(rows, chip, 0x2007, 0x3FFF, 0x1EFD),
              (std::vector<std::string>{"Oscillator: file RC, chip XT", "Bandgap: file 11, chip 01",
                                        "Bits 0x0100: file 0x0100, chip 0x0000"}));
}

TEST(FuseExplain, ReadsEachListAgainstItsOwnWordOnSixteenBitCores) {
    ChipRecord chip = hextest::Chip16();
    FuseRows rows;
    rows[1] = MakeFuseRow("Oscillator", {{"RC", "FFFF"}, {"HS", "FAFF"}});
    rows[2] = MakeFuseRow("Watchdog", {{"Enabled", "FFFF"}, {"Disabled", "FEFF"}});
    chip.FuseListWord[1] = 1;
    chip.FuseListWord[2] = 2;
    EXPECT_EQ(ConfigWordAt(chip, 0x300002), 2);
    EXPECT_EQ(ConfigWordAt(chip, 0x2007), 0);
    EXPECT_EQ(ExplainFuseDifference(rows, chip, 0x300002, 0xFEFF, 0xFFFF),
              (std::vector<std::string>{"Watchdog: file Disabled, chip Enabled"}));
    const auto word1 = FuseSettings(rows, chip, 1, 0xFAFF);
    ASSERT_EQ(word1.size(), 1u);
    EXPECT_EQ(word1[0].option, "HS");
}
