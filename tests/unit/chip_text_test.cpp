#include "chipdb/chip_text.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(NormaliseKeyLine, KeepsOnlyCharacters33To127UpperCased) {
    const auto normal = [](std::string line) {
        NormaliseKeyLine(line);
        return line;
    };
    EXPECT_EQ(normal("chipname = 16f 84a\t"), "CHIPNAME=16F84A");
    EXPECT_EQ(normal(std::string("\xEF\xBB\xBFI\0D=\x7F\x80\xFF", 9)), "ID=\x7F");
    EXPECT_EQ(UpperCaseAscii("\xE4z{"), "\xE4Z{"); // bytes above 127 are not letters
    EXPECT_EQ(normal(std::string("\tProgram Delay = 5\x00\x80x\x7F\r", 23)), "PROGRAMDELAY=5X\x7F");
}

TEST(ExtractNextWord, TakesWordsUpToABlankAndRefusesControlCharacters) {
    std::string_view rest = "  \tLIST1  FUSE1";
    EXPECT_EQ(ExtractNextWord(rest), "LIST1");
    EXPECT_EQ(rest, "  FUSE1");
    EXPECT_EQ(ExtractNextWord(rest), "FUSE1");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(ExtractNextWord(rest), "");

    std::string_view tabbed = "LIST1\tFUSE1 \"X\"";
    EXPECT_EQ(ExtractNextWord(tabbed), "");
    EXPECT_EQ(tabbed, "LIST1\tFUSE1 \"X\""); // left as it was

    std::string_view high = "\xC3\xA9t\xE9 x";
    EXPECT_EQ(ExtractNextWord(high), "\xC3\xA9t\xE9"); // bytes above 127 belong to words
}

TEST(ExtractItemName, TakesTheTextBetweenQuotes) {
    std::string_view rest = " \"WDT\"  \"On\"=3FFF";
    EXPECT_EQ(ExtractItemName(rest), "WDT");
    EXPECT_EQ(rest, "\"On\"=3FFF");
    EXPECT_EQ(ExtractItemName(rest), "On");
    EXPECT_EQ(rest, "=3FFF");
    EXPECT_EQ(ExtractItemName(rest), ""); // no opening quote: rest kept
    EXPECT_EQ(rest, "=3FFF");
    std::string_view open = "\"never closed";
    EXPECT_EQ(ExtractItemName(open), "");
}

TEST(ReadInteger, ReadsSignedDecimalAndHexAndNothingElse) {
    EXPECT_EQ(ReadInteger("50"), 50);
    EXPECT_EQ(ReadInteger("-1"), -1);
    EXPECT_EQ(ReadInteger("+7"), 7);
    EXPECT_EQ(ReadInteger("$1F"), 31);
    EXPECT_EQ(ReadInteger("x1f"), 31);
    EXPECT_EQ(ReadInteger("0X10"), 16);
    EXPECT_EQ(ReadInteger("-$10"), -16);
    EXPECT_EQ(ReadInteger("2147483647"), 2147483647);
    EXPECT_EQ(ReadInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "$", "0x", "1A", "12 ", " 12", "1.0", "--1", "2147483648",
                            "$FFFFFFFF", "99999999999999999999"})
        EXPECT_EQ(ReadInteger(bad), std::nullopt) << bad;
}
