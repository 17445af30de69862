// Chip contents as HEX files and chip descriptions from a chip configuration file.
#include "sim_fixtures.h"

#include "chip_hex.h"
#include "chip_info.h"

#include <algorithm>

namespace boardsim::test {
namespace {

TEST(ChipHex, FourteenBitDumpUsesTheProgramsAddressMap) {
    ChipConfig config = Pic14();
    config.romWords = 8;
    config.eepromBytes = 2;
    Chip chip(config);
    chip.SetRom(0, 0x3FF2);
    chip.SetId(0, 0x01);
    chip.SetEeprom(1, 0xAB);
    chip.SetConfig(0, 0x3FF1);
    const std::vector<std::string> lines = DumpChipHex(chip);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         ":10000000F23FFF3FFF3FFF3FFF3FFF3FFF3FFF3F0D",
                         ":084000000100FF00FF00FF00BA",
                         ":02400E00F13F80",
                         ":04420000FF00AB0010",
                         ":00000001FF",
                     }));
    Chip back(config);
    const ChipHexResult result = LoadChipHex(back, lines);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.ignoredBytes, 0);
    EXPECT_EQ(DumpChipHex(back), lines);
}

TEST(ChipHex, SixteenBitAndLargeSerialEepromDumpsRoundTrip) {
    ChipConfig wide = Pic16();
    wide.romWords = 16;
    Chip chip(wide);
    chip.SetRom(15, 0xBEEF);
    chip.SetId(7, 0x0C);
    chip.SetConfig(6, 0x1234);
    chip.SetEeprom(0xFF, 0x5A);
    const auto lines = DumpChipHex(chip);
    EXPECT_EQ(lines.front(), ":020000040000FA");
    EXPECT_NE(std::find(lines.begin(), lines.end(), ":020000040030CA"), lines.end());
    Chip back(wide);
    ASSERT_TRUE(LoadChipHex(back, lines).ok);
    EXPECT_EQ(back.Rom(15), 0xBEEF);
    EXPECT_EQ(back.Id(7), 0x0C);
    EXPECT_EQ(back.Config(6), 0x1234);
    EXPECT_EQ(back.Eeprom(0xFF), 0x5A);

    ChipConfig big = SerialEeprom();
    big.eepromBytes = 0x10000; // its words run past 64K: extended address records
    Chip eeprom(big);
    eeprom.SetEeprom(0xFFFF, 0x77);
    Chip eepromBack(big);
    ASSERT_TRUE(LoadChipHex(eepromBack, DumpChipHex(eeprom)).ok);
    EXPECT_EQ(eepromBack.Eeprom(0xFFFF), 0x77);
    EXPECT_EQ(eepromBack.Eeprom(0), 0xFF);
}

TEST(ChipHex, BadFilesAreRefusedAndStrayBytesCounted) {
    Chip chip(Pic14());
    chip.SetRom(0, 0x1111);
    ChipHexResult bad = LoadChipHex(chip, {":0200000012345", ":00000001FF"});
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.errorLine, 0);
    bad = LoadChipHex(chip, {":020000001234B8", ":0200000012ZZ00"});
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.errorLine, 1);
    bad = LoadChipHex(chip, {":020000001234B9"}); // checksum off by one
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(chip.Rom(0), 0x1111) << "a refused file leaves the chip alone";
    const ChipHexResult stray = LoadChipHex(chip, {":02900000123428", ":00000001FF"});
    ASSERT_TRUE(stray.ok);
    EXPECT_EQ(stray.ignoredBytes, 2);
    EXPECT_EQ(chip.Rom(0), 0x3FFF);
}

const std::vector<std::string> kCid = {
    "CHIPNAME=16F84A",
    "INCLUDE=Y",
    "SOCKETIMAGE=2",
    "ERASEMODE=1",
    "FLASHCHIP=Y",
    "POWERSEQUENCE=VCCVPP1",
    "PROGRAMDELAY=50",
    "PROGRAMTRIES=1",
    "OVERPROGRAM=0",
    "CORETYPE=5",
    "ROMSIZE=0400",
    "EEPROMSIZE=0040",
    "FUSEBLANK=3FFF",
    "CPWARN=N",
    "CALWORD=N",
    "BANDGAP=N",
    "CHIPID=0560",
    "LIST1 FUSE1 \"WDT\" \"Enabled\"=3FFF \"Disabled\"=3FFB",
    "",
    "chipname = 18f252",
    "INCLUDE=Y",
    "SOCKETIMAGE=3",
    "ERASEMODE=2",
    "FLASHCHIP=Y",
    "POWERSEQUENCE=VCC",
    "PROGRAMDELAY=10",
    "PROGRAMTRIES=1",
    "OVERPROGRAM=0",
    "CORETYPE=1",
    "ROMSIZE=4000",
    "EEPROMSIZE=0100",
    "FUSEBLANK=27FF 0F0F 0100 0085 C00F E00F 400F",
    "CPWARN=N",
    "calword = y",
    "BANDGAP=N",
    "CHIPID=FFFF",
    "",
    "CHIPNAME=24C99",
    "CORETYPE=0",
    "ROMSIZE=0",
    "EEPROMSIZE=FFFFFF",
    "FUSEBLANK=FF",
    "CHIPID=FFFF",
};

TEST(ChipInfo, FindsARecordByNameInAnyCase) {
    const ChipInfoResult pic = FindChipInfo(kCid, "16f84a");
    ASSERT_TRUE(pic.ok) << pic.error;
    EXPECT_EQ(pic.config.core, CoreClass::Core14);
    EXPECT_EQ(pic.config.romWords, 0x400);
    EXPECT_EQ(pic.config.eepromBytes, 0x40);
    EXPECT_EQ(pic.config.idWord, 0x0560);
    EXPECT_EQ(pic.config.fuseBlank[0], 0x3FFF);
    EXPECT_EQ(pic.config.fuseBlank[1], 0xFFFF);
    EXPECT_FALSE(pic.config.hasCalWord);

    const ChipInfoResult wide = FindChipInfo(kCid, "18F252");
    ASSERT_TRUE(wide.ok) << wide.error;
    EXPECT_EQ(wide.config.core, CoreClass::Core16);
    EXPECT_EQ(wide.config.fuseBlank[6], 0x400F);
    EXPECT_TRUE(wide.config.hasCalWord);
    EXPECT_EQ(wide.config.idWord, 0xFFFF); // no device ID: reads as erased
}

TEST(ChipInfo, MissingOrOversizedChipsAreRefused) {
    EXPECT_FALSE(FindChipInfo(kCid, "16F628").ok);
    EXPECT_FALSE(FindChipInfo(kCid, "24C99").ok);
    EXPECT_FALSE(FindChipInfo({"CHIPNAME=X", "CORETYPE=five"}, "X").ok);
}

} // namespace
} // namespace boardsim::test
