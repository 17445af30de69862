#include "hex_test_support.h"
#include "image/reset_code_memory.h"

#include <gtest/gtest.h>

namespace {
ChipRecord FourteenBit() {
    ChipRecord c = hextest::Chip14();
    c.FuseBlank = {0, 0x3FFF, 1, 2, 3, 4, 5, 6}; // each word its own blank, to see them placed
    return c;
}
} // namespace

TEST(ResetImage, BlankFillGivesOneEntryBeyondTheChip) {
    MemoryImage m;
    m.DataChanged = true;
    m.HexFileDate = 12345;
    m.HexFileName = "/x/y.hex";
    ResetImage(m, FourteenBit(), false, false, true, "/prog/");
    EXPECT_EQ(m.ROMData, std::vector<int>(1025, 16383));
    EXPECT_EQ(m.EEPROMData, std::vector<int>(129, 255));
    EXPECT_EQ(m.FuseValue, (std::array<int, 8>{0, 0x3FFF, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(m.HexFileName, "/prog/");
    EXPECT_FALSE(m.DataChanged);
    EXPECT_EQ(m.HexFileDate, 0);
}

TEST(ResetImage, KeepDataLeavesTheListsButResetsTheRest) {
    MemoryImage m;
    m.ROMData = {1, 2, 3};
    m.EEPROMData = {4};
    m.FuseValue[1] = 0x1234;
    m.DataChanged = true;
    m.HexFileName = "/x/y.hex";
    ResetImage(m, FourteenBit(), true, false, true, "/prog/");
    EXPECT_EQ(m.ROMData, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(m.EEPROMData, (std::vector<int>{4}));
    EXPECT_EQ(m.FuseValue[1], 0x3FFF);
    EXPECT_EQ(m.HexFileName, "/prog/");
    EXPECT_FALSE(m.DataChanged);

    m.HexFileName = "/x/y.hex";
    ResetImage(m, FourteenBit(), false, true, false, "/prog/");
    EXPECT_TRUE(m.ROMData.empty());
    EXPECT_TRUE(m.EEPROMData.empty());
    EXPECT_EQ(m.HexFileName, "/x/y.hex");
}
