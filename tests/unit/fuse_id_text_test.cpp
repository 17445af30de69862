#include "fuses/id_text.h"

#include <gtest/gtest.h>

TEST(FuseIDText, PaddingOnEitherSide) {
    EXPECT_EQ(PadIDLeft("12", 4), "FF12");
    EXPECT_EQ(PadIDLeft("A", 4), "FFFA");
    EXPECT_EQ(PadIDLeft("", 8), "FFFFFFFF");
    EXPECT_EQ(PadIDLeft("12345678", 8), "12345678");
    EXPECT_EQ(PadIDRight("12", 4), "12FF");
    EXPECT_EQ(PadIDRight("1234", 4), "1234");
    // Longer than allowed is never cut here: losing digits is the box's business.
    EXPECT_EQ(PadIDLeft("12345", 4), "12345");
}

TEST(FuseIDText, BlankIDByLength) {
    EXPECT_EQ(BlankIDText(4), "FFFF");
    EXPECT_EQ(BlankIDText(8), "FFFFFFFF");
}

TEST(FuseIDText, KeyFilterPassesHexDigitsUpperCased) {
    EXPECT_EQ(IDKeyFilter('a'), 'A');
    EXPECT_EQ(IDKeyFilter('f'), 'F');
    EXPECT_EQ(IDKeyFilter('0'), '0');
    EXPECT_EQ(IDKeyFilter('9'), '9');
    EXPECT_EQ(IDKeyFilter('C'), 'C');
    EXPECT_EQ(IDKeyFilter('\b'), '\b');
    EXPECT_EQ(IDKeyFilter('\r'), '\r');
    for (char dropped : {'g', 'G', ' ', 'z', '-', '@', '[', '/', ':', '\t', '\0'})
        EXPECT_EQ(IDKeyFilter(dropped), '\0') << int(dropped);
}
