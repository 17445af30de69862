// SQTP files: reading, and where a part's record lands on each kind of chip.
#include "image/sqtp_file.h"

#include <gtest/gtest.h>

namespace {

ChipRecord SqtpChip(int coreType, int wordMask, int romSize, int eepromSize) {
    ChipRecord chip;
    chip.ChipName = "TEST";
    chip.CoreType = coreType;
    chip.WordMask = wordMask;
    chip.ROMSize = romSize;
    chip.EEPROMSize = eepromSize;
    return chip;
}

TEST(SqtpFile, ReadsOneRecordPerPartAtOneAddress) {
    SqtpFile file;
    // An extended address record first: EEPROM bytes of a 16-bit chip at 0xF00010.
    EXPECT_EQ(ReadSqtpFile(":0200000400F00A\n:02001000ABCD76\n:02001000ABCE75\n:00000001FF\n",
                           "a.num", file),
              "");
    EXPECT_EQ(file.address, 0xF00010);
    ASSERT_EQ(file.parts.size(), 2u);
    EXPECT_EQ(file.parts[1], (std::vector<int>{0xAB, 0xCE}));

    EXPECT_EQ(ReadSqtpFile(":02001000ABCD76\n:02001200ABCE73\n", "b.num", file),
              "b.num line 2: every SQTP record stands at one address with one length");
    EXPECT_EQ(ReadSqtpFile(":02001000ABCD76\n1234\n", "c.num", file),
              "c.num line 2: not an SQTP record");
    EXPECT_EQ(ReadSqtpFile(":00000001FF\n", "d.num", file), "d.num holds no SQTP records");
}

TEST(SqtpFile, EepromBytesDropTheirZeroHighBytesAndGiveTheValue) {
    const ChipRecord midrange = SqtpChip(5, kWordMask14, 0x400, 0x80);
    SqtpFile file;
    // EEPROM bytes 0x10 and 0x11 (words 0x2110, 0x2111).
    ASSERT_EQ(ReadSqtpFile(":044220001200340054\n", "e.num", file), "");
    MemoryImage image;
    image.EEPROMData.assign(0x80, 0xFF);
    EXPECT_EQ(CheckSqtpPlace(file, midrange, image.ROMData, image.EEPROMData), "");
    ApplyPatch(image, midrange, SqtpPartPatch(file, 0, midrange));
    EXPECT_EQ(image.EEPROMData[0x10], 0x12);
    EXPECT_EQ(image.EEPROMData[0x11], 0x34);
    EXPECT_EQ(SqtpPartValue(file, 0, midrange), 0x1234u);
    // Now the place holds data: a second part may not land there.
    EXPECT_EQ(CheckSqtpPlace(file, midrange, image.ROMData, image.EEPROMData),
              "the SQTP records at 0x4220 would write over the program's own data");
}

TEST(SqtpFile, SixteenBitProgramMemoryTakesEveryByte) {
    const ChipRecord wide = SqtpChip(2, kWordMask16, 0x1000, 0x100);
    SqtpFile file;
    ASSERT_EQ(ReadSqtpFile(":03010100AABBCCCA\n", "w.num", file), ""); // bytes 0x101..0x103
    MemoryImage image;
    image.ROMData.assign(0x1000, 0xFFFF);
    image.ROMData[0x80] = 0xFF12; // byte 0x100 holds data, byte 0x101 is blank
    EXPECT_EQ(CheckSqtpPlace(file, wide, image.ROMData, image.EEPROMData), "");
    image.ROMData[0x80] = 0x12FF;
    EXPECT_NE(CheckSqtpPlace(file, wide, image.ROMData, image.EEPROMData), "");
    image.ROMData[0x80] = 0xFFFF;
    ApplyPatch(image, wide, SqtpPartPatch(file, 0, wide));
    EXPECT_EQ(image.ROMData[0x80], 0xAAFF);
    EXPECT_EQ(image.ROMData[0x81], 0xCCBB);
    EXPECT_EQ(SqtpPartValue(file, 0, wide), 0xAABBCCu);
}

} // namespace
