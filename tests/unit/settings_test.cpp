#include "link/programmer_style.h"
#include "platform/settings.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {
const std::vector<std::string> kGood = {"3", "/home/u/blink.hex", "12", "4", "16F84A", "F", "T",
                                        "3"};
}

TEST(Settings, EightLinesAreReadByTheirRules) {
    Settings s = ParseSettings(kGood, "/opt/t/");
    EXPECT_TRUE(s.fromFile);
    EXPECT_EQ(s.port, 3);
    EXPECT_EQ(s.hexFileName, "/home/u/blink.hex");
    EXPECT_EQ(s.chipCount, 12);
    EXPECT_EQ(s.chipIndex, 4);
    EXPECT_EQ(s.chipName, "16F84A");
    EXPECT_FALSE(s.adviseNewerFileLoad);
    EXPECT_TRUE(s.restoreUserMode);
    EXPECT_EQ(s.programmerStyle, 3);
    EXPECT_EQ(FormatSettings(s), kGood);
}

TEST(Settings, AnyOtherLineCountIsIgnoredWhole) {
    auto nine = kGood;
    nine.push_back(""); // a hand-edited file with a trailing empty line
    for (const auto& lines : {nine, std::vector<std::string>(kGood.begin(), kGood.end() - 1),
                              std::vector<std::string>{}}) {
        Settings s = ParseSettings(lines, "/opt/t/");
        EXPECT_FALSE(s.fromFile);
        EXPECT_EQ(s.port, -1);
        EXPECT_EQ(s.hexFileName, "/opt/t/");
        EXPECT_EQ(s.chipCount, -1);
        EXPECT_EQ(s.chipIndex, -1);
        EXPECT_TRUE(s.adviseNewerFileLoad);
        EXPECT_FALSE(s.restoreUserMode);
        EXPECT_EQ(s.programmerStyle, 1);
    }
}

TEST(Settings, BadNumbersAndFlagsFallBack) {
    Settings s = ParseSettings({"COM3", "x", "1e3", "", "", "t", "True", "Elm"}, "/p/");
    EXPECT_EQ(s.port, -1);
    EXPECT_EQ(s.chipCount, -1);
    EXPECT_EQ(s.chipIndex, -1);
    EXPECT_FALSE(s.adviseNewerFileLoad); // only "T" exactly checks it
    EXPECT_FALSE(s.restoreUserMode);
    EXPECT_EQ(s.programmerStyle, 1);
    EXPECT_EQ(ParseSettingsNumber("-1", 7), -1);
    EXPECT_EQ(ParseSettingsNumber("99999999999", 7), 7);
}

TEST(TextFile, EndsLinesAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\r"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(SplitLines("a\n\r"), (Lines{"a", ""})); // LF then a lone CR
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines(std::string("x\0y\n", 4)), (Lines{std::string("x\0y", 3)}));
}

TEST(ProgrammerStyle, EveryUnknownNumberBehavesAsElm) {
    EXPECT_STREQ(StyleInfo(9).messageName, "Elm");
    EXPECT_STREQ(StyleInfo(-1).messageName, "Elm");
    EXPECT_EQ(StyleInfo(1).resetIdleLevel, 1);
    EXPECT_EQ(StyleInfo(3).resetIdleLevel, 0);
    EXPECT_EQ(ModelCaptionFor(3), "Kitwerk Cedar v030403 ");
    EXPECT_EQ(ModelCaptionFor(7), "Tessaro v030403 ");
    EXPECT_EQ(StyleFromGreeting('L'), 4);
    EXPECT_EQ(StyleFromGreeting(2), 2);
    EXPECT_EQ(StyleFromGreeting(9), -1);
}
