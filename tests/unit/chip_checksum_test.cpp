// The checksum the chip maker's tools show, held against the worked values of
// the checksum tables of the chips' programming data sheets, on the shipped chip file's
// records.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "image/chip_checksum.h"
#include "image/reset_code_memory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

ChipRecord ShippedChip(const std::string& name) {
    static const std::map<std::string, ChipRecord> chips = [] {
        const auto text = ReadWholeFile(std::string(TESSARO_SOURCE_DIR) + "/data/chipinfo.cid");
        const ChipFileLoadResult file = LoadChipFile(SplitLines(text.value_or("")), 1);
        std::map<std::string, ChipRecord> all;
        for (int p = 0; p < static_cast<int>(file.ChipNames.size()); ++p) {
            ChipInfoResult info = ExtractChipInfo(file.ChipData, p);
            DeriveSelectionFields(info.record);
            all[info.record.ChipName] = info.record;
        }
        return all;
    }();
    const auto found = chips.find(name);
    return found == chips.end() ? ChipRecord{} : found->second;
}

// The tables' image: everything erased, the configuration word(s) erased but
// for the protection bits `cleared`, the ID holding `id`'s four nibbles; with
// `pattern`, the test pattern at address 0 and at the last summed address
// (16-bit chips: 0xAA at the first and the last byte).
MemoryImage TableImage(const ChipRecord& chip, int cleared, int id, bool pattern) {
    MemoryImage image;
    FillMissingEntries(chip, image);
    image.FuseValue = chip.FuseBlank;
    char digits[16];
    std::snprintf(digits, sizeof digits, chip.IsWide() ? "%04X0000" : "%04X", id);
    image.IDText = digits;
    if (chip.IsWide()) {
        image.FuseValue[5] &= ~cleared;
        if (pattern) {
            image.ROMData.front() = 0xFFAA;
            image.ROMData[static_cast<std::size_t>(chip.ROMSize - 1)] = 0xAAFF;
        }
        return image;
    }
    image.FuseValue[1] &= ~cleared;
    if (pattern) {
        const int word = chip.IsBaseline() ? 0x723 : 0x25E6;
        image.ROMData.front() = word;
        image.ROMData[static_cast<std::size_t>(chip.ROMSize - (chip.CalWord ? 2 : 1))] = word;
    }
    return image;
}

struct TableRow {
    const char* chip;
    const char* protection;
    int cleared; // configuration bits cleared for the protection
    int blank;
    int pattern;
};

// Each chip's first row is protection off: its values are what the ID holds
// in the rows after it.
constexpr TableRow kTable[] = {
    {"12F508", "off", 0, 0xEE20, 0xDC68},
    {"12F508", "on", 0x0008, 0xEDF7, 0xD363},
    {"16F54", "off", 0, 0x0DFF, 0xFC47},
    {"16F54", "on", 0x0008, 0x1DB6, 0x0322},
    {"16F84A", "off", 0, 0x3BFF, 0x07CD},
    {"16F84A", "on", 0x3FF0, 0x3C0E, 0x07DC},
    {"16F628A", "off", 0, 0x19FF, 0xE5CD},
    {"16F628A", "on", 0x2000, 0x1BFE, 0xE7CC},
    {"12F675", "off", 0, 0xBE00, 0x89CE},
    {"12F675", "on", 0x0080, 0xBF7F, 0x8B4D},
    {"16F88", "off", 0, 0x3002, 0xFBD0},
    {"16F88", "on", 0x2000, 0x5004, 0x1BD2},
    {"16F877", "off", 0, 0x1BFF, 0xE7CD},
    {"16F877", "0x1F00:0x1FFF", 0x1010, 0x28EE, 0xDAA3},
    {"16F877", "0x1000:0x1FFF", 0x2020, 0x27DE, 0xD993},
    {"16F877", "all", 0x3030, 0x27CE, 0xF39C},
    {"16F877A", "off", 0, 0x0FCF, 0xDB9D},
    {"16F877A", "on", 0x2000, 0x1F9E, 0xEB6C},
    {"16F887", "off", 0, 0x26FF, 0xF2CD},
    {"16F887", "on", 0x0040, 0x6DBE, 0x398C},
    {"18F452", "none", 0, 0x82D8, 0x822E},
    {"18F452", "boot block", 0x4000, 0x84B7, 0x845D},
    {"18F452", "boot, blocks 0-1", 0x4003, 0xC2B4, 0xC25A},
    {"18F452", "all", 0x400F, 0x02A8, 0x02A3},
    {"18F1220", "none", 0, 0xF3EB, 0xF341},
};

TEST(ChipChecksum, HoldsTheProgrammingDataSheetsTables) {
    TableRow off{};
    for (const TableRow& row : kTable) {
        if (row.cleared == 0)
            off = row;
        const ChipRecord chip = ShippedChip(row.chip);
        ASSERT_EQ(chip.ChipName, row.chip) << "not in the shipped chip file";
        const std::string what = std::string(row.chip) + " protection " + row.protection;
        EXPECT_EQ(ChipChecksum(chip, TableImage(chip, row.cleared, off.blank, false)), row.blank)
            << what << ", blank";
        EXPECT_EQ(ChipChecksum(chip, TableImage(chip, row.cleared, off.pattern, true)), row.pattern)
            << what << ", pattern";
    }
}

TEST(ChipChecksum, LeavesOutEepromCalibrationAndUnprotectedIds) {
    const ChipRecord chip = ShippedChip("12F675");
    MemoryImage image = TableImage(chip, 0, 0xBE00, false);
    image.EEPROMData.assign(image.EEPROMData.size(), 0x5A);
    image.ROMData.back() = 0x3480; // the calibration word
    image.FuseValue[1] &= 0x0FFF;  // the bandgap bits
    image.IDText = "1234";
    EXPECT_EQ(ChecksumText(ChipChecksum(chip, image)), "0xBE00");
    // Protected: the ID counts, the protected words do not.
    image.FuseValue[1] &= ~0x0080;
    image.ROMData[5] = 0;
    EXPECT_EQ(ChipChecksum(chip, image), 0x017F + 0x1234);
}

TEST(ChipChecksum, PartialProtectionCountsTheOpenPart) {
    // 16F628: CP1:CP0 at bits 13:12 and 11:10; 10 protects the upper half.
    const ChipRecord chip = ShippedChip("16F628");
    MemoryImage image = TableImage(chip, 0x1400, 0x0ABC, false);
    image.ROMData[0x3FF] = 0x0001; // open
    image.ROMData[0x400] = 0x0002; // protected
    const unsigned open = 0x3FF * 0x3FFFu + 1;
    EXPECT_EQ(ChipChecksum(chip, image),
              static_cast<int>((open + (0x2BFF & 0x3DFF) + 0x0ABC) & 0xFFFF));
}

TEST(ChipChecksum, SerialEepromsHaveNone) {
    const ChipRecord chip = ShippedChip("24C02");
    ASSERT_EQ(chip.ChipName, "24C02");
    MemoryImage image;
    FillMissingEntries(chip, image);
    EXPECT_FALSE(ChipChecksum(chip, image).has_value());
    EXPECT_EQ(ChecksumText(std::nullopt), "");
}

} // namespace
