#include "file_size_limit.h"
#include "hex_test_support.h"
#include "image/hex_save.h"
#include "platform/text_file.h"
#include "test_platform.h"

#include <gtest/gtest.h>

using namespace hextest;

namespace {

std::string BodyOf(const std::string& record) {
    return record.substr(1, record.size() - 3);
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

int AddressOf(const std::string& record) {
    return std::stoi(record.substr(3, 4), nullptr, 16);
}

} // namespace

TEST(CheckSum, CompletesTheByteSumToZero) {
    EXPECT_EQ(CheckSum("00000001"), "FF");
    EXPECT_EQ(CheckSum("084000000F000F000F000F00"), "7C");
    EXPECT_EQ(CheckSum("020000040000"), "FA");
    EXPECT_EQ(CheckSum("0200000400FA"), "00"); // 256 is written as 0
}

TEST(SaveINHX8MFile, WritesABlank14BitImageRecordForRecord) {
    const ChipRecord chip = Chip14();
    std::string id;
    const MemoryImage image = BlankImage(chip, id);
    const auto lines = SaveINHX8MFile(image, chip, id);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 129u + 1 + 17 + 1 + 1);
    for (int r = 0; r < 129; ++r)
        EXPECT_EQ((*lines)[r], Record(16 * r, "00", Repeat("FF3F", 8)));
    EXPECT_EQ((*lines)[129], ":084000000F000F000F000F007C");
    EXPECT_EQ(AddressOf((*lines)[130]), 0x4200);
    EXPECT_EQ(AddressOf((*lines)[146]), 0x4300);
    EXPECT_EQ(BodyOf((*lines)[146]), "10430000FF00FF00FF00FF00FF00FF00FF00FF00");
    EXPECT_EQ((*lines)[147], Record(0x400E, "00", "FF3F"));
    EXPECT_EQ(lines->back(), ":00000001FF");
}

TEST(SaveINHX8MFile, LeavesOutWhatTheCoreClassDoesNotKeep) {
    const ChipRecord chip12 = Chip12();
    std::string id;
    MemoryImage image = BlankImage(chip12, id);
    image.EEPROMData.assign(16, 1);
    auto lines = SaveINHX8MFile(image, chip12, "1234");
    ASSERT_TRUE(lines);
    // No EEPROM; the ID words right after program memory, where the assemblers
    // write them, and no blank extra entry's record at the same address.
    ASSERT_EQ(lines->size(), 64u + 3);
    EXPECT_EQ(AddressOf((*lines)[63]), 0x3F0);
    EXPECT_EQ((*lines)[64], Record(0x400, "00", "0100020003000400"));
    EXPECT_EQ(BodyOf((*lines)[65]).substr(0, 8), "021FFE00");

    const ChipRecord eeprom = ChipSerialEEPROM();
    image = BlankImage(eeprom, id);
    image.EEPROMData[0] = 0xA5;
    lines = SaveINHX8MFile(image, eeprom, id);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u + 257 + 1); // one ROM record, EEPROM, end
    EXPECT_EQ(BodyOf((*lines)[0]), "10000000FF00FF3FFF3FFF3FFF3FFF3FFF3FFF3F");
    EXPECT_EQ(BodyOf((*lines)[1]).substr(0, 12), "10420000A500");
}

TEST(SaveINHX8MFile, WritesNoFillerAfterARead) {
    const ChipRecord chip = Chip14();
    MemoryImage image;
    image.ROMData.assign(0x400, 0x0123);
    image.FuseValue[1] = 0x3F71;
    const auto lines = SaveINHX8MFile(image, chip, "ABCD");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 128u + 1 + 1 + 1);
    EXPECT_EQ(BodyOf((*lines)[127]), "1007F000" + Repeat("2301", 8));
    EXPECT_EQ((*lines)[128], Record(0x4000, "00", "0A000B000C000D00"));
    EXPECT_EQ((*lines)[129], Record(0x400E, "00", "713F"));
}

// A 4-digit address cannot hold 0x10000: the blank extra entry of a 32K-word
// chip is left out instead of folding onto address 0xF000 (word 0x7800).
TEST(SaveHexFiles, NeverWriteARecordPastTheSixteenBitAddressRange) {
    ChipRecord chip = Chip16();
    chip.ROMSize = 0x8000;
    std::string id;
    MemoryImage image = BlankImage(chip, id);
    auto lines = SaveINHX32File(image, chip, id);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0x1001], ":020000040020DA");
    for (std::size_t i = 1; i <= 0x1000; ++i)
        EXPECT_EQ(AddressOf((*lines)[i]), 16 * static_cast<int>(i - 1));

    chip.ROMSize = 0x9000; // real words the file cannot address: refuse to save
    image = BlankImage(chip, id);
    EXPECT_FALSE(SaveINHX32File(image, chip, id));

    ChipRecord big = ChipSerialEEPROM();
    big.EEPROMSize = 0x8000;
    image = BlankImage(big, id);
    EXPECT_FALSE(SaveINHX8MFile(image, big, id));
    big.EEPROMSize = 0x5F00;
    image = BlankImage(big, id);
    lines = SaveINHX8MFile(image, big, id);
    ASSERT_TRUE(lines);
    EXPECT_EQ(AddressOf((*lines)[lines->size() - 2]), 0xFFF0);
}

TEST(SaveINHX32File, PadsTheIdAndStartsWithASegmentLine) {
    const ChipRecord chip = Chip16();
    std::string id;
    MemoryImage image = BlankImage(chip, id);
    image.FuseValue = {0, 0x2211, 0x4433, 0x6655, 0x8877, 1, 2, 3};
    id = "12";
    const auto lines = SaveINHX32File(image, chip, id);
    ASSERT_TRUE(lines);
    EXPECT_EQ(id, "FFFFFF12");
    const std::size_t n = lines->size();
    EXPECT_EQ((*lines)[0], ":020000040000FA");
    EXPECT_EQ((*lines)[n - 5], ":020000040020DA");
    EXPECT_EQ((*lines)[n - 4], Record(0, "00", "0F0F0F0F0F0F0102"));
    EXPECT_EQ((*lines)[n - 3], ":020000040030CA");
    EXPECT_EQ((*lines)[n - 2], Record(0, "00", "1122334455667788010002000300"));
    EXPECT_EQ(BodyOf((*lines)[1]), "10000000" + std::string(32, 'F'));
    // Only the 16-bit file starts with a segment line.
    std::string id14;
    const MemoryImage image14 = BlankImage(Chip14(), id14);
    EXPECT_EQ((*SaveINHX8MFile(image14, Chip14(), id14))[0].substr(7, 2), "00");
}

TEST(SaveHexFiles, RefuseAnIdThatIsNotHexDigits) {
    std::string id;
    const MemoryImage image = BlankImage(Chip14(), id);
    EXPECT_FALSE(SaveINHX8MFile(image, Chip14(), "12G4"));
    std::string wide = "1234567-";
    EXPECT_FALSE(SaveINHX32File(image, Chip16(), wide));
    // A short 4-digit ID reads as padded with F; lower case as typed upper.
    EXPECT_EQ((*SaveINHX8MFile(image, Chip14(), "a"))[129],
              Record(0x4000, "00", "0F000F000F000A00"));
}

// An old file in a folder of its own, and a chip's blank image to save over it.
class SavingOverAFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteFileReplacing(path, old).empty()); }
    TempFolder folder;
    const std::string path = folder.File("out.hex");
    const std::string old = std::string(100000, 'x');
    const ChipRecord chip = Chip14();
    std::string id;
    const MemoryImage image = BlankImage(chip, id);
};

TEST_F(SavingOverAFile, ReplacesTheWholeFileOrLeavesItAlone) {
    std::string badId = "XYZ!";
    EXPECT_FALSE(SaveHexFile(path, image, chip, badId));
    EXPECT_EQ(ReadWholeFile(path), old);

    ASSERT_TRUE(SaveHexFile(path, image, chip, id));
    EXPECT_EQ(ReadWholeFile(path), JoinLinesCRLF(*SaveINHX8MFile(image, chip, id)));

    // A folder in the way: the rename fails and no temporary file is left.
    const std::string blocked = folder.File("blocked.hex");
    std::filesystem::create_directories(std::filesystem::path(blocked) / "inside");
    EXPECT_FALSE(SaveHexFile(blocked, image, chip, id));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(blocked) / "inside"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 2);
    EXPECT_FALSE(SaveHexFile(folder.File("missing/x.hex"), image, chip, id));
}

TEST_F(SavingOverAFile, AFullDiskLeavesTheOldFileWhole) {
    SKIP_ON_WINDOWS("no per-process file size limit to fill the disk with");
    {
        FileSizeLimit limit(1000); // the disk fills up half way through
        EXPECT_FALSE(SaveHexFile(path, image, chip, id));
    }
    EXPECT_EQ(ReadWholeFile(path), old);
}
