#include "fuse_test_rows.h"
#include "fuses/fuse_values.h"

#include <gtest/gtest.h>

namespace {

ChipRecord FuseChip14() {
    ChipRecord chip;
    chip.WordMask = 0x3FFF;
    chip.FuseBlank = {0, 0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    return chip;
}

ChipRecord FuseChip16() {
    ChipRecord chip;
    chip.WordMask = 0xFFFF;
    chip.FuseBlank = {0, 0x27FF, 0x0F0F, 0xFFFF, 0x0185, 0xFFFF, 0xC00F, 0x400F};
    return chip;
}

FuseWords Words1(int word1) {
    return {0, word1, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
}

FuseRow Wdt(int selected = 0) {
    return MakeFuseRow("WDT", {{"Enabled", "3FFF"}, {"Disabled", "3FFB"}}, selected);
}

FuseRow CodeProtect(int selected = 0) {
    return MakeFuseRow("Code Protect", {{"Disabled", "3FFF"}, {"Enabled", "000F"}}, selected);
}

} // namespace

TEST(FuseItemValue, ReadsTheLastFourCharactersAsHex) {
    EXPECT_EQ(FuseItemValue(FuseItem("Disabled", "3FFB")), 0x3FFB);
    EXPECT_EQ(FuseItemValue(FuseItem("Disabled", "3ffb")), 0x3FFB);
    // Five or six digits: only the last four count.
    EXPECT_EQ(FuseItemValue(FuseItem("Odd", "13FFB")), 0x3FFB);
    EXPECT_EQ(FuseItemValue(FuseItem("Odd", "F03FFB")), 0x3FFB);
    // Three digits leave a blank among the last four: not hex.
    EXPECT_EQ(FuseItemValue(FuseItem("Short", "FFB")), -1);
    EXPECT_EQ(FuseItemValue("AB"), 0xAB);
    EXPECT_EQ(FuseItemValue(""), 0);
}

TEST(FuseItemName, TheTextBeforeTheValueGap) {
    EXPECT_EQ(FuseItemName(FuseItem("Enabled", "3FFF")), "Enabled");
    EXPECT_EQ(FuseItemName(FuseItem("0000 to 00FF Protected", "3DFF")), "0000 to 00FF Protected");
    EXPECT_EQ(FuseItemName(FuseItem("", "3DFF")), "");
    EXPECT_EQ(FuseItemName("No gap 3FFF"), "No gap 3FFF");
}

TEST(FuseCompose, WdtDisabledClearsItsBit) {
    FuseRows rows;
    rows[1] = Wdt(1);
    EXPECT_EQ(CreateFuseValueFromFuseEdits(rows, FuseChip14())[1], 0x3FFB);
    rows[1].selected = 0;
    EXPECT_EQ(CreateFuseValueFromFuseEdits(rows, FuseChip14())[1], 0x3FFF);
}

TEST(FuseCompose, EveryRowInUseActsOnWordOneOfASmallCore) {
    ChipRecord chip = FuseChip14();
    chip.FuseListWord[3] = 2; // ignored below 16 bits
    FuseRows rows;
    rows[1] = Wdt(1);
    rows[3] = CodeProtect(1);
    rows[4].label = "Not in use"; // a label without options clears nothing
    const FuseWords words = CreateFuseValueFromFuseEdits(rows, chip);
    EXPECT_EQ(words[1], 0x000B);
    for (int w = 2; w <= 7; ++w)
        EXPECT_EQ(words[w], 0xFFFF) << w;
}

TEST(FuseCompose, OptionThatReadsInvalidOrNothingSelectedClearsNothing) {
    FuseRows rows;
    rows[1] = MakeFuseRow("WDT", {{"Enabled", "3FFF"}, {"Disabled", "FFB"}}, 1);
    rows[2] = Wdt(-1);
    rows[3] = Wdt(7); // out of range
    EXPECT_EQ(CreateFuseValueFromFuseEdits(rows, FuseChip14())[1], 0x3FFF);
}

TEST(FuseCompose, SixteenBitRowsActOnTheirOwnWordAndSevenTakesTheRest) {
    ChipRecord chip = FuseChip16();
    chip.FuseListWord[1] = 1;
    chip.FuseListWord[2] = 4;
    chip.FuseListWord[3] = 7;
    chip.FuseListWord[4] = -1; // cannot come from a checked file; still lands on word 7
    FuseRows rows;
    rows[1] = MakeFuseRow("Osc", {{"RC", "27FF"}, {"HS", "22FF"}}, 1);
    rows[2] = MakeFuseRow("LVP", {{"On", "FFFF"}, {"Off", "FFFB"}}, 1);
    rows[3] = MakeFuseRow("EBTR0", {{"Off", "FFFF"}, {"On", "FFFE"}}, 1);
    rows[4] = MakeFuseRow("EBTRB", {{"Off", "FFFF"}, {"On", "BFFF"}}, 1);
    const FuseWords words = CreateFuseValueFromFuseEdits(rows, chip);
    EXPECT_EQ(words, (FuseWords{0, 0x22FF, 0x0F0F, 0xFFFF, 0x0181, 0xFFFF, 0xC00F, 0x000E}));
}

TEST(FuseDecompose, WdtFollowsTheWord) {
    FuseRows rows;
    rows[1] = Wdt(0);
    UpdateFuses1214(rows, FuseChip14(), Words1(0x3FFB));
    EXPECT_EQ(rows[1].selected, 1);
    UpdateFuses1214(rows, FuseChip14(), Words1(0x3FFF));
    EXPECT_EQ(rows[1].selected, 0);
}

TEST(FuseDecompose, WordMatchingNoOptionKeepsTheSelection) {
    for (int before : {0, 1}) {
        FuseRows rows;
        rows[1] = CodeProtect(before);
        UpdateFuses1214(rows, FuseChip14(), Words1(0x3FCF)); // only bits 4 and 5 cleared
        EXPECT_EQ(rows[1].selected, before);
    }
    FuseRows rows;
    rows[1] = CodeProtect(0);
    UpdateFuses1214(rows, FuseChip14(), Words1(0x000F));
    EXPECT_EQ(rows[1].selected, 1);
}

TEST(FuseDecompose, OnlyTheBitsTheRowsOptionsTouchCount) {
    FuseRows rows;
    rows[1] = MakeFuseRow("Osc", {{"LP", "3FFC"}, {"XT", "3FFD"}, {"HS", "3FFE"}, {"RC", "3FFF"}});
    rows[2] = Wdt(1);
    // HS oscillator, watchdog on, code protection on: other rows' bits do not disturb.
    UpdateFuses1214(rows, FuseChip14(), Words1(0x000E));
    EXPECT_EQ(rows[1].selected, 2);
    EXPECT_EQ(rows[2].selected, 0);
}

TEST(FuseDecompose, InvalidOptionValueCountsAsAllBitsSet) {
    FuseRows rows;
    rows[1] = MakeFuseRow("WDT", {{"Broken", "FFB"}, {"Disabled", "3FFB"}}, 1);
    UpdateFuses1214(rows, FuseChip14(), Words1(0x3FFF));
    EXPECT_EQ(rows[1].selected, 0);
}

TEST(FuseDecompose, SixteenBitRowsReadTheirOwnWord) {
    ChipRecord chip = FuseChip16();
    chip.FuseListWord[1] = 2;
    chip.FuseListWord[2] = 7;
    chip.FuseListWord[3] = -1;
    FuseRows rows;
    rows[1] = MakeFuseRow("BOR", {{"On", "FFFF"}, {"Off", "FFFD"}});
    rows[2] = MakeFuseRow("EBTR0", {{"Off", "FFFF"}, {"On", "FFFE"}});
    rows[3] = MakeFuseRow("EBTRB", {{"Off", "FFFF"}, {"On", "BFFF"}});
    FuseWords words = chip.FuseBlank;
    words[1] = 0xFFFD; // word 1 must not steer row 1
    words[2] = 0x0F0D;
    words[7] = 0x000E;
    UpdateFuses16(rows, chip, words);
    EXPECT_EQ(rows[1].selected, 1);
    EXPECT_EQ(rows[2].selected, 1);
    EXPECT_EQ(rows[3].selected, 1);
}

TEST(FuseDecompose, CoreClassChoosesTheUpdate) {
    ChipRecord chip = FuseChip16();
    chip.FuseListWord[1] = 3;
    FuseRows rows;
    rows[1] = MakeFuseRow("X", {{"On", "FFFF"}, {"Off", "FFFE"}});
    FuseWords words = chip.FuseBlank;
    words[3] = 0xFFFE;
    UpdateFusesForCore(rows, chip, words);
    EXPECT_EQ(rows[1].selected, 1);

    chip.WordMask = 0xFFF;
    UpdateFusesForCore(rows, chip, words); // word 1 = 0x27FF has bit 0 set
    EXPECT_EQ(rows[1].selected, 0);

    rows[1].selected = 1;
    chip.WordMask = 0xFF; // no editable fuses: nothing moves
    UpdateFusesForCore(rows, chip, words);
    EXPECT_EQ(rows[1].selected, 1);
}
