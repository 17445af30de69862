#include "fuses/calibration.h"

#include <gtest/gtest.h>

namespace {
ChipRecord CalChip(int coreType, int wordMask, bool bandGap) {
    ChipRecord chip;
    chip.CoreType = coreType;
    chip.WordMask = wordMask;
    chip.ROMSize = 0x400;
    chip.CalWord = true;
    chip.BandGap = bandGap;
    return chip;
}

MemoryImage ImageWithLastWord(const ChipRecord& chip, int word) {
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize) + 1, chip.WordMask);
    image.ROMData[static_cast<std::size_t>(chip.ROMSize) - 1] = word;
    image.FuseValue[1] = 0x3FFF;
    return image;
}
} // namespace

TEST(Calibration, BandgapBitsAreBits13And12OfWordOne) {
    const ChipRecord chip = CalChip(8, 0x3FFF, true);
    MemoryImage image = ImageWithLastWord(chip, 0x3480);
    image.FuseValue[1] = 0x2FFF;
    EXPECT_EQ(CalibrationValuesFromImage(chip, image).BGText, "10");
    EXPECT_TRUE(CalibrationValuesFromImage(chip, image).BandGapVisible);
    image.FuseValue[1] = 0x3FFF;
    ASSERT_TRUE(WriteCalibrationValues(chip, image, "80", "01"));
    EXPECT_EQ(image.FuseValue[1], 0x1FFF);
}

TEST(Calibration, NothingIsWrittenWithoutACalibrationWordOrWithBadText) {
    const ChipRecord chip = CalChip(5, 0x3FFF, true);
    MemoryImage empty;
    empty.FuseValue[1] = 0x3FFF;
    EXPECT_FALSE(WriteCalibrationValues(chip, empty, "80", "00"));
    EXPECT_EQ(empty.FuseValue[1], 0x3FFF);
    // An image shorter than the chip (never indexed past its end).
    MemoryImage shortImage;
    shortImage.ROMData.assign(16, 0x3FFF);
    EXPECT_FALSE(WriteCalibrationValues(chip, shortImage, "80", "00"));
    EXPECT_EQ(CalibrationValuesFromImage(chip, shortImage).OscText, "FF");
    MemoryImage image = ImageWithLastWord(chip, 0x3480);
    EXPECT_FALSE(WriteCalibrationValues(chip, image, "G1", "00"));
    EXPECT_EQ(image.ROMData[0x3FF], 0x3480);
}

TEST(Calibration, TwelveBitOpcodeAndTheBandgapKeyFilter) {
    const ChipRecord chip = CalChip(4, 0xFFF, false);
    MemoryImage image = ImageWithLastWord(chip, 0x0C50);
    ASSERT_TRUE(WriteCalibrationValues(chip, image, "A5", "11"));
    EXPECT_EQ(image.ROMData[0x3FF], 0x0CA5);
    EXPECT_EQ(BandGapKeyFilter('1'), '1');
    EXPECT_EQ(BandGapKeyFilter('\b'), '\b');
    EXPECT_EQ(BandGapKeyFilter('2'), '\0');
}
