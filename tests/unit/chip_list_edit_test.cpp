#include "chip_test_records.h"
#include "chipdb/chip_list_edit.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

TEST(ChipListEdit, KeyLinesReadAsTheLoaderReadsThem) {
    std::vector<std::string> lines = Join({Record("16F84A"), Record("16F628")});
    lines[0] = " chipname = 16f 84a";
    lines[1] = "include = y";
    const std::vector<ChipListRow> rows = FillChipGrid(lines);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Name, "16F84A");
    EXPECT_EQ(rows[0].Included, 'Y');
}

TEST(ChipListEdit, AFlagNeverLandsInAnotherChipsLine) {
    // The first chip has lost its INCLUDE line, and a comment line reads like
    // one: neither may take another chip's flag.
    std::vector<std::string> lines = Join({Record("A"), Record("B", {}, "N")});
    lines.erase(lines.begin() + 1);
    lines[16] = "INCLUDE=N (the separator of A)";
    std::vector<ChipListRow> rows = FillChipGrid(lines);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].IncludeLine, -1);
    EXPECT_EQ(rows[0].Included, 'N');
    const std::vector<std::string> before = lines;
    rows[0].Included = 'Y';
    rows[1].Included = 'Y';
    ModifyChipList(lines, rows);
    EXPECT_EQ(lines[16], before[16]);
    EXPECT_EQ(lines[18], "INCLUDE=Y");
}

TEST(ChipListEdit, NoChipsAndLineEndsKept) {
    EXPECT_TRUE(FillChipGrid({"; nothing here", ""}).empty());
    const std::string bytes = "CHIPNAME=A\nINCLUDE=N\r\nX\rlast";
    TextLines text = SplitLinesKeepingEnds(bytes);
    ASSERT_EQ(text.lines.size(), 4u);
    EXPECT_EQ(JoinLinesKeepingEnds(text), bytes);
    std::vector<ChipListRow> rows = FillChipGrid(text.lines);
    rows[0].Included = 'Y';
    ModifyChipList(text.lines, rows);
    EXPECT_EQ(JoinLinesKeepingEnds(text), "CHIPNAME=A\nINCLUDE=Y\r\nX\rlast");
}
