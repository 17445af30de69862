#include "chipdb/hex_text.h"

#include <gtest/gtest.h>

TEST(VerifyHEX, ReadsUpToSixDigitsOfEitherCase) {
    EXPECT_EQ(VerifyHEX(""), 0);
    EXPECT_EQ(VerifyHEX("3fFf"), 0x3FFF);
    EXPECT_EQ(VerifyHEX("FFFFFF"), 0xFFFFFF);
    EXPECT_EQ(VerifyHEX("1000000"), -1);
    EXPECT_EQ(VerifyHEX("12G"), -1);
    EXPECT_EQ(VerifyHEX(" 12"), -1);
}

TEST(HexOfValue, GivesLowByteOrFourDigits) {
    EXPECT_EQ(HexOfValue(0x1AB, 2), "AB");
    EXPECT_EQ(HexOfValue(0x3FFF, 4), "3FFF");
    EXPECT_EQ(HexOfValue(0x10000, 4), "F000"); // (v DIV 256) DIV 16 = 16 gives "F"
    EXPECT_EQ(HexOfValue(0x12, 3), "12");
    // One digit: "0".."9", "A".."E", and "F" for 15 and anything else.
    for (const auto& [n, digit] :
         {std::pair{0, '0'}, {9, '9'}, {10, 'A'}, {14, 'E'}, {15, 'F'}, {16, 'F'}, {-1, 'F'}})
        EXPECT_EQ(ToHex(n), digit) << n;
}
