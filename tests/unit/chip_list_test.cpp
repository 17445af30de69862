#include "chipdb/chip_check.h"
#include "chipdb/chip_list.h"
#include "protocol/engine_texts.h"
#include "unit/chip_test_records.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const std::string kWdt = R"(LIST1 FUSE1 "WDT" "Enabled"=3FFF "Disabled"=3FFB)";

Lines NonFlash(const std::string& name) {
    Lines r = Record(name, {kWdt});
    r[kFlashLine] = "FLASHCHIP=N";
    return r;
}

} // namespace

TEST(LoadChipFile, ReportsEachFailureWithItsMessage) {
    ChipFileLoadResult missing = LoadChipFile({}, 1);
    EXPECT_EQ(missing.status, ChipFileStatus::MissingOrEmpty);
    EXPECT_EQ(Worded(LoadMessage(missing)),
              "Chip configuration file is missing or contains no data");

    Lines bad = Join({Record(), KeyLines("B")});
    bad[17 + 1 + kRomLine] = "romsize = 0401";
    ChipFileLoadResult syntax = LoadChipFile(bad, 1);
    EXPECT_EQ(syntax.status, ChipFileStatus::SyntaxError);
    EXPECT_EQ(syntax.errorLine, 18 + kRomLine);
    EXPECT_EQ(Worded(LoadMessage(syntax)),
              "Chip configuration file contains syntax errors.\r\rROMSIZE=0401");
    EXPECT_EQ(syntax.ChipData[18], "CHIPNAME=B"); // normalised up to the failing line
    EXPECT_TRUE(syntax.ChipNames.empty());

    ChipFileLoadResult none =
        LoadChipFile(Join({Record("A", {kWdt}, "N"), Record("B", {}, "n")}), 1);
    EXPECT_EQ(none.status, ChipFileStatus::NoChips);
    EXPECT_EQ(Worded(LoadMessage(none)), "Chip configuration file contains no chip information");
    EXPECT_FALSE(none.Loaded());
}

TEST(LoadChipFile, ShowsAHugeOffendingLineCut) {
    Lines lines = Record("A", {kWdt + std::string(100000, 'x')});
    ChipFileLoadResult r = LoadChipFile(lines, 1);
    EXPECT_EQ(r.errorLine, 17);
    EXPECT_EQ(Worded(LoadMessage(r)), "Chip configuration file contains syntax errors.\r\r" +
                                          lines[17].substr(0, kShownLineLimit));
}

TEST(LoadChipFile, ListsIncludedChipsInOrderWithNamesCutToEight) {
    Lines file = Join({Record("pic16f84a-extra", {kWdt}), Record("HIDDEN", {kWdt}, "N"),
                       Record("12F675"), KeyLines("16F628")});
    file[0] = "chipname = pic16f84a-extra";
    ChipFileLoadResult r = LoadChipFile(file, 1);
    ASSERT_TRUE(r.Loaded());
    EXPECT_EQ(r.ChipNames, (Lines{"PIC16F84", "12F675", "16F628"}));
    EXPECT_FALSE(LoadMessage(r));
    // The hidden record went with its LIST line and separator.
    EXPECT_EQ(r.ChipData.size(), 19u + 18u + 17u);
    EXPECT_EQ(r.ChipData[19], "CHIPNAME=12F675");
    EXPECT_EQ(r.ChipData[0], "CHIPNAME=PIC16F84A-EXTRA"); // full name kept in ChipData
}

TEST(DeleteUnwantedChipData, AlderOffersFlashChipsNot16C) {
    Lines file = Join({Record("16F84A", {kWdt}), Record("16C84"), NonFlash("12C508A"),
                       Record("24C02", {}, "N"), KeyLines("18F452")});
    EXPECT_EQ(LoadChipFile(file, kAlderStyle).ChipNames, (Lines{"16F84A", "18F452"}));
    for (int style : {1, 2, 3, 4, 7})
        EXPECT_EQ(LoadChipFile(file, style).ChipNames,
                  (Lines{"16F84A", "16C84", "12C508A", "18F452"}))
            << style;

    Lines lines = file;
    ASSERT_EQ(SyntaxCheckChipList(lines), -1);
    DeleteUnwantedChipData(lines, kAlderStyle);
    EXPECT_EQ(lines, Join({Record("16F84A", {kWdt}), KeyLines("18F452")}));
}

TEST(FindChipRecords, FollowsTheRecordLayoutNotTheLineText) {
    // A separator line that itself reads like a CHIPNAME line must not count as
    // a record, or the selector positions would point at the wrong records.
    Lines file = Join({Record("A"), KeyLines("B")});
    file[17] = "CHIPNAME=GHOST";
    ChipFileLoadResult r = LoadChipFile(file, 1);
    ASSERT_TRUE(r.Loaded());
    EXPECT_EQ(r.ChipNames, (Lines{"A", "B"}));
    EXPECT_EQ(FindListedChip(r.ChipData, 1), 18u);
    EXPECT_EQ(FindListedChip(r.ChipData, 2), std::nullopt);
    EXPECT_EQ(FindListedChip(r.ChipData, -1), std::nullopt);

    Lines ghost16c = file;
    ghost16c[17] = "CHIPNAME=16CGHOST";
    EXPECT_EQ(LoadChipFile(ghost16c, kAlderStyle).ChipNames, (Lines{"A", "B"}));
}
