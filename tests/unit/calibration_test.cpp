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

TEST(Calibration, ShowsAndWritesTheLastWordByCore) {
    const ChipRecord chip14 = CalChip(5, 0x3FFF, false);
    MemoryImage image = ImageWithLastWord(chip14, 0x3480);
    OscalFmValues shown = CalibrationValuesFromImage(chip14, image);
    EXPECT_EQ(shown.OscText, "80");
    EXPECT_EQ(shown.RetlwText, "34");
    EXPECT_EQ(shown.BGText, "11"); // no bandgap: the length check still passes
    EXPECT_FALSE(shown.BandGapVisible);
    ASSERT_TRUE(WriteCalibrationValues(chip14, image, "7C", "11"));
    EXPECT_EQ(image.ROMData[0x3FF], 13436);
    EXPECT_EQ(image.FuseValue[1], 0x3FFF); // no bandgap bits on this chip

    const ChipRecord chip12 = CalChip(4, 0xFFF, false);
    image = ImageWithLastWord(chip12, 0x0C50);
    shown = CalibrationValuesFromImage(chip12, image);
    EXPECT_EQ(shown.OscText, "50");
    EXPECT_EQ(shown.RetlwText, "0C");
    ASSERT_TRUE(WriteCalibrationValues(chip12, image, "A5", "11"));
    EXPECT_EQ(image.ROMData[0x3FF], 0x0CA5);
}

TEST(Calibration, BandgapBitsAreBits13And12OfWordOne) {
    const ChipRecord chip = CalChip(8, 0x3FFF, true);
    MemoryImage image = ImageWithLastWord(chip, 0x3480);
    image.FuseValue[1] = 0x2FFF;
    EXPECT_EQ(CalibrationValuesFromImage(chip, image).BGText, "10");
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

TEST(Calibration, OkRefusesShortTextsAndAsksOnlyAfterAChange) {
    EXPECT_STREQ(CheckOscalOk("F", "11", "FF", "11").error, "Invalid OSCAL value");
    EXPECT_STREQ(CheckOscalOk("FF", "1", "FF", "11").error, "Invalid BandGap value");
    const OscalOkCheck same = CheckOscalOk("FF", "11", "FF", "11");
    EXPECT_EQ(same.error, nullptr);
    EXPECT_FALSE(same.ask);
    EXPECT_TRUE(CheckOscalOk("FF", "10", "FF", "11").ask);
    EXPECT_EQ(BGeditKeyPress('1'), '1');
    EXPECT_EQ(BGeditKeyPress('\b'), '\b');
    EXPECT_EQ(BGeditKeyPress('2'), '\0');
}
