#include "chipdb/chip_check.h"
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "protocol/engine_texts.h"
#include "unit/chip_test_records.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Lines = std::vector<std::string>;

// Loads the lines as the program does and extracts the chip at `position`.
ChipInfoResult Select(const Lines& file, int position = 0) {
    ChipFileLoadResult loaded = LoadChipFile(file, 1);
    EXPECT_TRUE(loaded.Loaded()) << Worded(LoadMessage(loaded));
    return ExtractChipInfo(loaded.ChipData, position);
}

std::string Item(const std::string& name, const std::string& value) {
    return name + std::string(40, ' ') + value;
}

} // namespace

TEST(ExtractChipInfo, FindsTheRecordBySelectorPositionAfterFiltering) {
    Lines a = Record("A", {}, "N");
    a[kRomLine] = "ROMSIZE=0100";
    Lines b = Record("BBBBBBBBBB");
    b[kRomLine] = "ROMSIZE=0200";
    ChipInfoResult r = Select(Join({a, b, KeyLines("C")}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.record.ChipName, "BBBBBBBB");
    EXPECT_EQ(r.record.ROMSize, 0x200);
    EXPECT_EQ(Select(Join({a, b, KeyLines("C")}), 1).record.ChipName, "C");

    ChipInfoResult none = Select(Join({a, b}), 1);
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.badLine, -1);
}

TEST(ExtractChipInfo, ReadsEveryKeyLine) {
    Lines r = Record();
    r[kSocketLine] = "SOCKETIMAGE=5";
    r[kEraseLine] = "ERASEMODE=3";
    r[kFlashLine] = "FLASHCHIP=Y";
    r[kPowerLine] = "POWERSEQUENCE=VPP2VCC";
    r[kDelayLine] = "PROGRAMDELAY=$20";
    r[kTriesLine] = "PROGRAMTRIES=25";
    r[kOverLine] = "OVERPROGRAM=-3";
    r[kEepromLine] = "EEPROMSIZE=10000";
    r[kCpWarnLine] = "CPWARN=Y";
    r[kCalWordLine] = "CALWORD=y";
    r[kChipIdLine] = "CHIPID=0fc0";
    ChipRecord c = Select(r).record;
    EXPECT_EQ(c.SocketLayout, 5);
    EXPECT_EQ(c.EraseMode, 3);
    EXPECT_TRUE(c.FlashChip);
    EXPECT_EQ(c.PowerSequence, 4);
    EXPECT_EQ(c.ProgramDelay, 32);
    EXPECT_EQ(c.ProgramTries, 25);
    EXPECT_EQ(c.OverProgram, -3);
    EXPECT_EQ(c.CoreType, 5);
    EXPECT_EQ(c.ROMSize, 0x400);
    EXPECT_EQ(c.EEPROMSize, 0x10000);
    EXPECT_EQ(c.FuseBlank,
              (std::array<int, 8>{0, 0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}));
    EXPECT_TRUE(c.CPWarn);
    EXPECT_TRUE(c.CalWord);
    EXPECT_FALSE(c.BandGap);
    EXPECT_EQ(c.ChipID, 0x0FC0);

    const std::pair<const char*, int> sequences[] = {
        {"VCC", 0}, {"VCCVPP1", 1}, {"VCCVPP2", 2}, {"VPP1VCC", 3}, {"VPP2VCC", 4}};
    for (auto [text, number] : sequences) {
        r[kPowerLine] = std::string("POWERSEQUENCE=") + text;
        EXPECT_EQ(Select(r).record.PowerSequence, number) << text;
    }
}

TEST(ExtractChipInfo, SevenFuseBlankWordsForSixteenBitCores) {
    Lines r = Record("18F452");
    r[kCoreLine] = "CORETYPE=2";
    r[kFuseBlankLine] = "FUSEBLANK=2700 0F0F 0100 0085 C00F E00F 400F";
    EXPECT_EQ(Select(r).record.FuseBlank,
              (std::array<int, 8>{0, 0x2700, 0x0F0F, 0x0100, 0x0085, 0xC00F, 0xE00F, 0x400F}));
}

TEST(ExtractChipInfo, FillsTheFuseRowsFromTheListLines) {
    ChipInfoResult r =
        Select(Record("16F84A", {R"(LIST1 FUSE1 "Oscillator" "RC"=3FFF "HS" = 3ffe  "XT"=3FFD)",
                                 R"(  list2 fuse1 "Code Protect" "Off"=3FFF "All on"=000F)"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.rows[1].label, "Oscillator");
    EXPECT_EQ(r.rows[1].items, (Lines{Item("RC", "3FFF"), Item("HS", "3ffe"), Item("XT", "3FFD")}));
    EXPECT_EQ(r.rows[1].selected, 0);
    EXPECT_EQ(r.rows[2].label, "Code Protect");
    EXPECT_EQ(r.rows[2].items, (Lines{Item("Off", "3FFF"), Item("All on", "000F")}));
    EXPECT_FALSE(r.rows[3].InUse());
    EXPECT_EQ(r.record.FuseListWord[1], 1);
    EXPECT_EQ(r.record.FuseListWord[2], 1);
    EXPECT_EQ(r.record.FuseListWord[0], -1);
    EXPECT_EQ(r.record.FuseListWord[3], -1);
    EXPECT_EQ(r.record.FuseListWord[31], -1);

    Lines wide = Record("18F452", {R"(LIST1 FUSE7 "Boot Read" "Off"=FFFF "On"=BFFF)"});
    wide[kCoreLine] = "CORETYPE=1";
    wide[kFuseBlankLine] = "FUSEBLANK=FFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    EXPECT_EQ(Select(wide).record.FuseListWord[1], 7);
}

TEST(ExtractChipInfo, AChipWithoutListsHasNoRows) {
    ChipInfoResult r = Select(
        Join({KeyLines("A"), Lines{"; no fuses"}, Record("B", {"LIST1 FUSE1 \"X\" \"Y\"=3FFF"})}));
    ASSERT_TRUE(r.ok);
    for (const FuseRow& row : r.rows)
        EXPECT_FALSE(row.InUse());
    for (int word : r.record.FuseListWord)
        EXPECT_EQ(word, -1);
}

TEST(ExtractChipInfo, ValuesThatDoNotReadFailWithTheirLine) {
    // ChipData that never went through the check: nothing may turn silently
    // into a wrong value or read past the end.
    Lines r = Record();
    r[kSocketLine] = "SOCKETIMAGE=1A";
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, kSocketLine);
    EXPECT_FALSE(ExtractChipInfo(r, 0).ok);

    r = Record("A", {R"(LIST1 FUSEX "WDT" "On"=3FFF)"});
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, 17);
    r = Record("A", {R"(LIST1 FUSE1 "WDT" "On"=)"});
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, 17);
    r = Record("A", {R"(LIST99 FUSE1 "WDT" "On"=3FFF)"});
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, 17);

    r = Record();
    r[kRomLine] = "ROMSIZE=04G0";
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, kRomLine);
    r[kRomLine] = "EEPROMSIZE=0400";
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, kRomLine);

    r = Record();
    r[kCoreLine] = "CORETYPE=2";
    r[kFuseBlankLine] = "FUSEBLANK=FFFFFFFF";
    EXPECT_EQ(ExtractChipInfo(r, 0).badLine, kFuseBlankLine);

    r = KeyLines();
    r.resize(12);
    ChipInfoResult cut = ExtractChipInfo(r, 0);
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.badLine, 11);
}

TEST(DeriveSelectionFields, CalFlagsAndCoreClassByCoreType) {
    ChipRecord c;
    // Core type, word mask, configuration words, ID digits read, ID text length.
    const std::array<int, 5> classes[] = {
        {0, 0xFF, 0, 0, 4},  {1, 0xFFFF, 7, 8, 8}, {2, 0xFFFF, 7, 8, 8}, {3, 0x3FFF, 1, 4, 4},
        {4, 0xFFF, 1, 0, 4}, {5, 0x3FFF, 1, 4, 4}, {9, 0x3FFF, 1, 4, 4}, {10, 0x3FFF, 1, 4, 4}};
    for (auto [core, mask, words, digits, idLength] : classes) {
        c.CoreType = core;
        DeriveSelectionFields(c);
        EXPECT_EQ(c.WordMask, mask) << core;
        EXPECT_EQ(c.ConfigWords(), words) << core;
        EXPECT_EQ(c.IdDigits(), digits) << core;
        EXPECT_EQ(c.IdTextLength(), idLength) << core;
        EXPECT_EQ(c.HasProgramMemory(), core != 0) << core;
    }
    c.CalWord = true;
    DeriveSelectionFields(c);
    EXPECT_EQ(c.CalFlags, 1);
    c.BandGap = true;
    DeriveSelectionFields(c);
    EXPECT_EQ(c.CalFlags, 3);
    c.CalWord = false;
    DeriveSelectionFields(c);
    EXPECT_EQ(c.CalFlags, 2);
    EXPECT_TRUE(c.HasBandGapFlag());
}

TEST(ExtractChipInfo, DamagedUncheckedLinesFailInsideTheList) {
    // Each key line and a LIST line in turn replaced by noise, or the record cut
    // at every length: extraction reports a line that exists or succeeds.
    const std::string noise("\"=\x01 LIST\"\xFF\0FUSE99 \"\"=", 20);
    const Lines good = Record("A", {R"(LIST1 FUSE1 "WDT" "On"=3FFF "Off"=3FFB)"});
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (std::size_t cut = 1; cut <= noise.size(); cut += 3) {
            Lines damaged = good;
            damaged[i] = i == kIncludeLine ? damaged[i] : noise.substr(0, cut);
            ChipInfoResult r = ExtractChipInfo(damaged, 0);
            EXPECT_LT(r.badLine, static_cast<int>(damaged.size())) << i << " " << cut;
            EXPECT_TRUE(r.ok || r.badLine >= 0 || i == kChipNameLine) << i << " " << cut;
        }
        Lines cut(good.begin(), good.begin() + static_cast<long>(i + 1));
        ChipInfoResult r = ExtractChipInfo(cut, 0);
        EXPECT_EQ(r.ok, i + 1 >= kChipKeyCount) << i;
        EXPECT_LT(r.badLine, static_cast<int>(cut.size()));
    }
}
