#include "fuses/id_text.h"

#include <gtest/gtest.h>

TEST(FuseIDText, PaddingOnEitherSide) {
    EXPECT_EQ(UpdateIDedit("12", 4), "FF12");
    EXPECT_EQ(UpdateIDedit("A", 4), "FFFA");
    EXPECT_EQ(UpdateIDedit("", 8), "FFFFFFFF");
    EXPECT_EQ(UpdateIDedit("12345678", 8), "12345678");
    EXPECT_EQ(PadIDRight("12", 4), "12FF");
    EXPECT_EQ(PadIDRight("1234", 4), "1234");
    // Longer than allowed is never cut here: losing digits is the box's business.
    EXPECT_EQ(UpdateIDedit("12345", 4), "12345");
}

TEST(FuseIDText, BlankIDByLength) {
    EXPECT_EQ(BlankIDText(4), "FFFF");
    EXPECT_EQ(BlankIDText(8), "FFFFFFFF");
}

TEST(FuseIDText, KeyFilterPassesHexDigitsUpperCased) {
    EXPECT_EQ(IDeditKeyPress('a'), 'A');
    EXPECT_EQ(IDeditKeyPress('f'), 'F');
    EXPECT_EQ(IDeditKeyPress('0'), '0');
    EXPECT_EQ(IDeditKeyPress('9'), '9');
    EXPECT_EQ(IDeditKeyPress('C'), 'C');
    EXPECT_EQ(IDeditKeyPress('\b'), '\b');
    EXPECT_EQ(IDeditKeyPress('\r'), '\r');
    for (char dropped : {'g', 'G', ' ', 'z', '-', '@', '[', '/', ':', '\t', '\0'})
        EXPECT_EQ(IDeditKeyPress(dropped), '\0') << int(dropped);
}
