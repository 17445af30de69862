#include "platform/text_file.h"
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"
#include "image/hex_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

// The chip configuration file shipped with the program.

namespace {

using Lines = std::vector<std::string>;

Lines ShippedLines() {
    std::ifstream in(std::string(TESSARO_SOURCE_DIR) + "/data/chipinfo.cid", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return SplitLines(bytes.str());
}

ChipFileLoadResult LoadShipped(int style) {
    return LoadChipFile(ShippedLines(), style);
}

int ItemValue(const std::string& item) {
    return item.size() < 4 ? -1 : VerifyHEX(item.substr(item.size() - 4));
}

struct ChipFacts {
    const char* name;
    int core, rom, eeprom, id, socket;
    bool calWord, bandGap;
};

// Sizes in words and bytes and device IDs from the datasheets; sockets by pin
// count: 8-pin 1, 18-pin 2, 28-pin narrow 3, 40-pin 5, 14-pin 8, serial EEPROM 9.
const ChipFacts kFacts[] = {
    {"24C02", 0, 0, 0x100, 0xFFFF, 9, false, false},
    {"24C512", 0, 0, 0x10000, 0xFFFF, 9, false, false},
    {"12F508", 4, 0x200, 0, 0xFFFF, 1, true, false},
    {"12F509", 4, 0x400, 0, 0xFFFF, 1, true, false},
    {"16F84A", 5, 0x400, 0x40, 0x0560, 2, false, false},
    {"16F628", 6, 0x800, 0x80, 0x07C0, 2, false, false},
    {"16F628A", 7, 0x800, 0x80, 0x1060, 2, false, false},
    {"12F675", 8, 0x400, 0x80, 0x0FC0, 1, true, true},
    {"16F676", 8, 0x400, 0x80, 0x10E0, 8, true, true},
    {"16F877A", 9, 0x2000, 0x100, 0x0E20, 5, false, false},
    {"18F452", 2, 0x4000, 0x100, 0x0420, 5, false, false},
    {"18F2550", 2, 0x4000, 0x100, 0x1240, 3, false, false},
};

} // namespace

TEST(ShippedChipFile, PassesTheCheckAndListsItsChips) {
    ChipFileLoadResult r = LoadShipped(1);
    ASSERT_TRUE(r.Loaded()) << r.message;
    EXPECT_EQ(r.ChipNames, (Lines{"24C02",  "24C04",   "24C08",   "24C16",   "24C32",  "24C64",
                                  "24C128", "24C256",  "24C512",  "12F508",  "12F509", "12C508A",
                                  "16F84A", "16F628",  "16F627A", "16F628A", "12F629", "12F675",
                                  "16F676", "16F876A", "16F877A", "18F252",  "18F452", "18F2550"}));
    ChipFileLoadResult alder = LoadShipped(kAlderStyle);
    ASSERT_TRUE(alder.Loaded());
    EXPECT_EQ(alder.ChipNames.size(), r.ChipNames.size() - 1); // the one-time 12C508A goes
}

TEST(ShippedChipFile, RecordsHoldTheDatasheetFacts) {
    ChipFileLoadResult r = LoadShipped(1);
    ASSERT_TRUE(r.Loaded());
    for (const ChipFacts& f : kFacts) {
        auto at = std::find(r.ChipNames.begin(), r.ChipNames.end(), f.name);
        ASSERT_NE(at, r.ChipNames.end()) << f.name;
        ChipInfoResult info = ExtractChipInfo(r.ChipData, int(at - r.ChipNames.begin()));
        ASSERT_TRUE(info.ok) << f.name;
        const ChipRecord& c = info.record;
        EXPECT_EQ(c.CoreType, f.core) << f.name;
        EXPECT_EQ(c.ROMSize, f.rom) << f.name;
        EXPECT_EQ(c.EEPROMSize, f.eeprom) << f.name;
        EXPECT_EQ(c.ChipID, f.id) << f.name;
        EXPECT_EQ(c.SocketLayout, f.socket) << f.name;
        EXPECT_EQ(c.CalWord, f.calWord) << f.name;
        EXPECT_EQ(c.BandGap, f.bandGap) << f.name;
        EXPECT_TRUE(c.FlashChip) << f.name;
    }
}

// Every fuse list of every chip must work in the fuse editor: values of 4 hex
// digits, options that differ in the bits they clear, only bits that the
// blank word holds (an option clearing nothing would be lost when composed),
// and a first option that matches the blank word, which the editor shows after
// the image is emptied.
TEST(ShippedChipFile, FuseListsFitTheBlankWords) {
    ChipFileLoadResult r = LoadShipped(1);
    ASSERT_TRUE(r.Loaded());
    for (int p = 0; p < int(r.ChipNames.size()); ++p) {
        ChipInfoResult info = ExtractChipInfo(r.ChipData, p);
        ASSERT_TRUE(info.ok) << r.ChipNames[p];
        DeriveSelectionFields(info.record);
        const ChipRecord& c = info.record;
        for (int n = 1; n <= 30; ++n) {
            const FuseRow& row = info.rows[n];
            if (!row.InUse())
                continue;
            std::string where = r.ChipNames[p] + " LIST" + std::to_string(n);
            int blank = c.FuseBlank[c.FuseListWord[n]];
            int common = c.WordMask;
            std::set<int> seen;
            for (const std::string& item : row.items) {
                int v = ItemValue(item);
                ASSERT_GE(v, 0) << where;
                EXPECT_EQ(v & ~c.WordMask, 0) << where;
                common &= v;
            }
            int relevant = c.WordMask ^ common;
            EXPECT_NE(relevant, 0) << where;
            EXPECT_EQ(relevant & ~blank, 0) << where;
            EXPECT_EQ(ItemValue(row.items[0]) & relevant, blank & relevant) << where;
            for (const std::string& item : row.items)
                EXPECT_TRUE(seen.insert(ItemValue(item) & relevant).second) << where << item;
        }
    }
}
