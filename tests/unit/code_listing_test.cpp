#include "hex_test_support.h"
#include "image/code_listing.h"

#include <gtest/gtest.h>

using namespace hextest;

TEST(CodeListing, ShowsWordsBytesAndTheirCharacters) {
    MemoryImage image;
    image.ROMData = {0x3FFF, 0x0041, 0x007F, 0x0080, 0x0020, 0x001F, 0x3FFF, 0x1234};
    image.EEPROMData = {0x7F, 0x80, 0x41, 0, 0, 0, 0, 0xFF};
    const auto lines = CreateCodeData(image, 0x3FFF);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "ROM DATA");
    EXPECT_EQ(lines[1], "0000: 3FFF 0041 007F 0080 0020 001F 3FFF 1234    .A\x7f. ..4");
    EXPECT_EQ(lines[1].size(), kCodeLineLength);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "EEPROM DATA");
    EXPECT_EQ(lines[4], "0000:   7F   80   41   00   00   00   00   FF    \x7f.A.....");
}

TEST(CodeListing, Shows12BitWordsAsThreeDigits) {
    EXPECT_EQ(WordColumn(0x0FFF, 0xFFF), " FFF ");
    EXPECT_EQ(WordColumn(0x0FFF, 0x3FFF), "0FFF ");
    EXPECT_EQ(ByteColumn(0xA5), "  A5 ");
}

TEST(CodeListing, ListsWholeGroupsOfEightAndSetsTheScrollMaximum) {
    std::string id;
    const MemoryImage image = BlankImage(Chip14(), id); // 1025 words, 129 bytes
    const auto lines = CreateCodeData(image, 0x3FFF);
    EXPECT_EQ(lines.size(), 1u + 128 + 1 + 1 + 16);
    EXPECT_EQ(CodeScrollMax(lines), 131);
    EXPECT_EQ(lines[128].substr(0, 6), "03F8: ");
    EXPECT_EQ(lines.back().substr(0, 6), "0078: ");
    EXPECT_EQ(CodeScrollMax(std::vector<std::string>(10, "x")), 0);
    EXPECT_TRUE(CreateCodeData(MemoryImage{}, 0x3FFF).empty());
}

TEST(CodePage, SplitsRowsIntoGutterAndTextAndBlanksThePageEnd) {
    MemoryImage image;
    image.ROMData.assign(72, 0x41); // 9 data lines and the header
    const auto lines = CreateCodeData(image, 0x3FFF);
    ASSERT_EQ(lines.size(), 10u);
    const auto page = CodePage(lines, 0);
    EXPECT_TRUE(page[0].header);
    EXPECT_EQ(page[0].text, "ROM DATA" + std::string(49, ' '));
    EXPECT_EQ(page[0].textX, 56);
    EXPECT_EQ(page[1].textX, 48);
    EXPECT_FALSE(page[1].header);
    EXPECT_EQ(page[1].gutter, " 0000:");
    EXPECT_EQ(page[1].text, lines[1].substr(5));
    EXPECT_EQ(page[2].y, 33);
    for (int r = 10; r < kCodeRows; ++r) {
        EXPECT_FALSE(page[r].header);
        EXPECT_EQ(page[r].gutter, std::string(6, ' '));
        EXPECT_EQ(page[r].text, std::string(52, ' '));
    }
    // A position past the end draws a blank page rather than reading past the list.
    EXPECT_EQ(CodePage(lines, 1000)[0].text, std::string(52, ' '));
    EXPECT_TRUE(CodePage({"", "EEPROM DATA"}, 1)[0].header);
}
