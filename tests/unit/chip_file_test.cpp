#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"
#include "chipdb/hex_text.h"
#include "platform/text_file.h"
#include "protocol/command_set.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    {"24C01", 0, 0, 0x80, 0xFFFF, 9, false, false},
    {"24C02", 0, 0, 0x100, 0xFFFF, 9, false, false},
    {"24C512", 0, 0, 0x10000, 0xFFFF, 9, false, false},
    {"16F54", 4, 0x200, 0, 0xFFFF, 2, false, false},
    {"16F506", 4, 0x400, 0, 0xFFFF, 8, true, false},
    {"12F508", 4, 0x200, 0, 0xFFFF, 1, true, false},
    {"12F509", 4, 0x400, 0, 0xFFFF, 1, true, false},
    {"16F84A", 5, 0x400, 0x40, 0x0560, 2, false, false},
    {"16F628", 6, 0x800, 0x80, 0x07C0, 2, false, false},
    {"16F628A", 7, 0x800, 0x80, 0x1060, 2, false, false},
    {"12F675", 8, 0x400, 0x80, 0x0FC0, 1, true, true},
    {"16F676", 8, 0x400, 0x80, 0x10E0, 8, true, true},
    {"16F877A", 9, 0x2000, 0x100, 0x0E20, 5, false, false},
    {"16F887", 7, 0x2000, 0x100, 0x2080, 5, false, false},
    {"16F73", 9, 0x1000, 0, 0x0600, 3, false, false},
    {"18F1220", 2, 0x800, 0x100, 0x07E0, 2, false, false},
    {"18F4620", 2, 0x8000, 0x400, 0x0C00, 5, false, false},
    {"18F452", 2, 0x4000, 0x100, 0x0420, 5, false, false},
    {"18F2550", 2, 0x4000, 0x100, 0x1240, 3, false, false},
    {"16F716", 9, 0x800, 0, 0x1140, 2, false, false},
    {"16F737", 9, 0x1000, 0, 0x0BA0, 3, false, false},
    {"16F747", 9, 0x1000, 0, 0x0BE0, 5, false, false},
    {"16F767", 9, 0x2000, 0, 0x0EA0, 3, false, false},
    {"16F777", 9, 0x2000, 0, 0x0DE0, 5, false, false},
    {"18F1230", 2, 0x800, 0x80, 0x1E00, 2, false, false},
    {"18F1330", 2, 0x1000, 0x80, 0x1E20, 2, false, false},
    {"18F2331", 2, 0x1000, 0x100, 0x08E0, 3, false, false},
    {"18F2431", 2, 0x2000, 0x100, 0x08C0, 3, false, false},
    {"18F4331", 2, 0x1000, 0x100, 0x08A0, 5, false, false},
    {"18F4431", 2, 0x2000, 0x100, 0x0880, 5, false, false},
};

} // namespace

// The generator's order: family by family, names in order within a family.
const Lines kShippedNames = {
    "24C01",   "24C02",   "24C04",   "24C08",   "24C16",   "24C32",   "24C64",   "24C128",
    "24C256",  "24C512",  "12F508",  "12F509",  "12F510",  "16F505",  "16F506",  "16F54",
    "12C508",  "12C508A", "12C509",  "12C509A", "16F84A",  "16F627",  "16F628",  "16F627A",
    "16F628A", "16F648A", "12F629",  "12F675",  "16F630",  "16F676",  "12F683",  "16F684",
    "16F688",  "16F818",  "16F819",  "16F87",   "16F88",   "16F870",  "16F871",  "16F872",
    "16F873",  "16F874",  "16F876",  "16F877",  "16F873A", "16F874A", "16F876A", "16F877A",
    "16F882",  "16F883",  "16F884",  "16F886",  "16F887",  "16F72",   "16F73",   "16F74",
    "16F76",   "16F77",   "16F716",  "16F737",  "16F747",  "16F767",  "16F777",  "16F913",
    "16F914",  "16F916",  "16F917",  "18F242",  "18F248",  "18F252",  "18F258",  "18F442",
    "18F448",  "18F452",  "18F458",  "18F1220", "18F1320", "18F2220", "18F2320", "18F4220",
    "18F4320", "18F1230", "18F1330", "18F2331", "18F2431", "18F4331", "18F4431", "18F2221",
    "18F2321", "18F4221", "18F4321", "18F2410", "18F2420", "18F2510", "18F2520", "18F4410",
    "18F4420", "18F4510", "18F4520", "18F2515", "18F2525", "18F2610", "18F2620", "18F4515",
    "18F4525", "18F4610", "18F4620", "18F2450", "18F4450", "18F2455", "18F2550", "18F4455",
    "18F4550", "18F2458", "18F2553", "18F4458", "18F4553", "18F2480", "18F2580", "18F4480",
    "18F4580", "18F2585", "18F2680", "18F4585", "18F4680",
};

TEST(ShippedChipFile, PassesTheCheckAndListsItsChips) {
    ChipFileLoadResult r = LoadShipped(1);
    ASSERT_TRUE(r.Loaded()) << Worded(LoadMessage(r));
    EXPECT_EQ(r.ChipNames, kShippedNames);
    ChipFileLoadResult alder = LoadShipped(kAlderStyle);
    ASSERT_TRUE(alder.Loaded());
    // The four one-time programmable 12C5xx go.
    EXPECT_EQ(alder.ChipNames.size(), r.ChipNames.size() - 4);
    EXPECT_EQ(std::count_if(alder.ChipNames.begin(), alder.ChipNames.end(),
                            [](const std::string& n) { return n.rfind("12C", 0) == 0; }),
              0);
}

// Every chip a style offers can be selected: its record reads in full, and no
// two chips of one core class share a device ID (the hand-shake could not
// tell them apart), nor does an ID carry revision bits the check masks off.
TEST(ShippedChipFile, EveryOfferedChipReadsForEveryStyle) {
    for (int style = 0; style <= 4; ++style) {
        ChipFileLoadResult r = LoadShipped(style);
        ASSERT_TRUE(r.Loaded()) << style;
        std::set<std::pair<int, int>> ids;
        for (int p = 0; p < int(r.ChipNames.size()); ++p) {
            ChipInfoResult info = ExtractChipInfo(r.ChipData, p);
            ASSERT_TRUE(info.ok) << r.ChipNames[p] << " line " << info.badLine;
            DeriveSelectionFields(info.record);
            const ChipRecord& c = info.record;
            EXPECT_NE(c.WordMask, 0) << r.ChipNames[p];
            if (c.ChipID == 0xFFFF)
                continue;
            EXPECT_EQ(c.ChipID, DeviceIdOf(c.ChipID)) << r.ChipNames[p];
            EXPECT_TRUE(ids.insert({c.WordMask, c.ChipID}).second) << r.ChipNames[p];
        }
    }
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
