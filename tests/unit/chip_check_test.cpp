#include "chipdb/chip_check.h"
#include "chipdb/chip_text.h"
#include "platform/text_file.h"
#include "unit/chip_test_records.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

int Check(Lines lines) {
    return SyntaxCheckChipList(lines);
}

// A one-record file whose key line `key` reads `value`.
int CheckKey(int key, const std::string& value) {
    Lines lines = Record();
    lines[key] = kChipKeys[key] + value;
    return Check(lines);
}

// A one-record file of a 14-bit chip with these LIST lines.
int CheckLists(const Lines& lists) {
    return Check(Record("16F84A", lists));
}

const std::string kWdt = R"(LIST1 FUSE1 "WDT" "Enabled"=3FFF "Disabled"=3FFB)";

} // namespace

TEST(SyntaxCheck, PassesAndNormalisesKeyLines) {
    Lines lines = Join({Record(), KeyLines("16F628")});
    lines[0] = "chipname = 16f 84a";
    lines[3] = "EraseMode =\t1";
    EXPECT_EQ(SyntaxCheckChipList(lines), -1);
    EXPECT_EQ(lines[0], "CHIPNAME=16F84A");
    EXPECT_EQ(lines[3], "ERASEMODE=1");
}

TEST(SyntaxCheck, RecordFramingErrorsNameTheLine) {
    EXPECT_EQ(Check(Join({Lines{""}, Record()})), 0);               // blank first line
    EXPECT_EQ(Check(Join({KeyLines(), KeyLines("B")})), 18);        // no separator: INCLUDE fails
    EXPECT_EQ(Check(Join({Record(), Lines{""}, Record("B")})), 18); // second blank line
    Lines swapped = Record();
    std::swap(swapped[kEraseLine], swapped[kFlashLine]);
    EXPECT_EQ(Check(swapped), kEraseLine);
}

TEST(SyntaxCheck, RecordCutShortFailsAtTheLastLine) {
    Lines cut = Join({Record(), KeyLines("B")});
    cut.resize(cut.size() - 7); // ends after CORETYPE of the second record
    EXPECT_EQ(Check(cut), static_cast<int>(cut.size()) - 1);
    EXPECT_EQ(Check({"CHIPNAME=X"}), 0);
    EXPECT_EQ(Check(KeyLines()), -1); // a last record needs no separator
}

TEST(SyntaxCheck, KeyValueRules) {
    EXPECT_EQ(CheckKey(kSocketLine, "0"), kSocketLine);
    EXPECT_EQ(CheckKey(kSocketLine, "9"), -1);
    EXPECT_EQ(CheckKey(kSocketLine, "10"), -1);          // compares as text, reads as 10
    EXPECT_EQ(CheckKey(kSocketLine, "1A"), kSocketLine); // would not read as a socket number
    EXPECT_EQ(CheckKey(kIncludeLine, "YES"), kIncludeLine);
    EXPECT_EQ(CheckKey(kEraseLine, "6"), kEraseLine);
    EXPECT_EQ(CheckKey(kPowerLine, "VPP2VCC"), -1);
    EXPECT_EQ(CheckKey(kPowerLine, "VPP"), kPowerLine);
    EXPECT_EQ(CheckKey(kDelayLine, "-1"), kDelayLine);
    EXPECT_EQ(CheckKey(kDelayLine, "$FF"), -1);
    EXPECT_EQ(CheckKey(kTriesLine, ""), kTriesLine);
    EXPECT_EQ(CheckKey(kCoreLine, "5A"), kCoreLine); // a core type must read as an integer
    EXPECT_EQ(CheckKey(kCoreLine, "11"), kCoreLine);
    EXPECT_EQ(CheckKey(kRomLine, "0401"), kRomLine);
    EXPECT_EQ(CheckKey(kRomLine, "8000"), -1);
    EXPECT_EQ(CheckKey(kRomLine, "8100"), kRomLine);
    EXPECT_EQ(CheckKey(kRomLine, "0"), -1);
    EXPECT_EQ(CheckKey(kEepromLine, "10000"), -1);
    EXPECT_EQ(CheckKey(kEepromLine, "10001"), kEepromLine);
    EXPECT_EQ(CheckKey(kFuseBlankLine, "3FFFF"), -1);
    EXPECT_EQ(CheckKey(kFuseBlankLine, "3FFG"), kFuseBlankLine);
    EXPECT_EQ(CheckKey(kChipIdLine, "1234567"), kChipIdLine);
}

TEST(SyntaxCheck, SevenFuseBlankWordsForSixteenBitCores) {
    Lines lines = Record();
    lines[kCoreLine] = "CORETYPE=1";
    lines[kFuseBlankLine] = "FUSEBLANK=FFFF FFFF FFFF FFFF FFFF FFFF FFFF";
    EXPECT_EQ(Check(lines), -1);
    lines[kFuseBlankLine] = "FUSEBLANK=FFFF FFFF FFFF FFFF FFFF FFFF";
    EXPECT_EQ(Check(lines), kFuseBlankLine);
    lines[kFuseBlankLine] = "FUSEBLANK=FFFF FFFF FFFF FFFF FFFF FFFF FFFG";
    EXPECT_EQ(Check(lines), kFuseBlankLine);
    lines[kFuseBlankLine] = "FUSEBLANK=FFFFFFFFFFFFFFFFFFFFFFFFFFFF trailing";
    EXPECT_EQ(Check(lines), -1);
}

TEST(SyntaxCheck, ListNumberingAndFuseWords) {
    EXPECT_EQ(CheckLists({kWdt, R"(  list2 fuse1 "PWRTE" "Off"=3FFF "On"=3FF7)"}), -1);
    EXPECT_EQ(CheckLists({R"(LIST2 FUSE1 "WDT" "On"=3FFF)"}), 17);
    EXPECT_EQ(CheckLists({kWdt, kWdt}), 18);
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE2 "WDT" "On"=3FFF)"}), 17); // one word on a 14-bit core
    EXPECT_EQ(CheckLists({R"(LIST1 FUSEX "WDT" "On"=3FFF)"}), 17);
    EXPECT_EQ(CheckLists({R"(LIST1 WORD1 "WDT" "On"=3FFF)"}), -1); // read like FUSE1
    EXPECT_EQ(CheckLists({R"(LIST1 WORDS "WDT" "On"=3FFF)"}), 17); // no number behind it

    Lines wide = Record("18F452", {R"(LIST1 FUSE7 "EBTR" "Off"=FFFF "On"=FFF0)"});
    wide[kCoreLine] = "CORETYPE=2";
    wide[kFuseBlankLine] = "FUSEBLANK=FFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    EXPECT_EQ(Check(wide), -1);
    wide[17] = R"(LIST1 FUSE8 "EBTR" "Off"=FFFF "On"=FFF0)";
    EXPECT_EQ(Check(wide), 17);

    Lines many;
    for (int n = 1; n <= 31; ++n)
        many.push_back("LIST" + std::to_string(n) + R"( FUSE1 "L" "A"=3FFF)");
    EXPECT_EQ(CheckLists(many), 17 + 30); // LIST31 is one too many
}

TEST(SyntaxCheck, LabelAndOptionRules) {
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT")"}), 17); // label without options
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1)"}), 17);       // ends after the FUSE word
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 WDT "On"=3FFF)"}), 17);
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "On" = 3FFF  "Off" =3FFB)"}), -1);
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "On"=3FFF"Off"=3FFB)"}), 17); // run together
    EXPECT_EQ(CheckLists({kWdt + " "}), 17);                                 // trailing blank
    EXPECT_EQ(CheckLists({kWdt + "        x"}), 17);                         // trailing word
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "A"=3FF)"}), 17);          // first remainder under 8
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "A"=3FFF "B"=3FF)"}), -1); // " \"B\"=3FF" is 8
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "Enabled"=    )"}), 17);   // option without value
    EXPECT_EQ(CheckLists({R"(LIST1 FUSE1 "WDT" "Enabled"=3FFFFFF)"}), 17);
    EXPECT_EQ(CheckLists({"LIST1 FUSE1 \"WDT\" \"Enabled\"=3F\tFF"}), 17);
}

TEST(SyntaxCheck, TabInTheListWordMakesTheLineASeparator) {
    EXPECT_EQ(Check(Join({KeyLines(), {"LIST1\tFUSE1 \"WDT\" \"On\"=3FFF"}})), -1);
    Lines lines = Record("16F84A", {"LIST1\tFUSE1 \"WDT\" \"On\"=3FFF"});
    EXPECT_EQ(Check(lines), 18); // the empty line after it must be a CHIPNAME line
}

TEST(SyntaxCheck, BadBytesNameTheFirstBadLineOrPass) {
    Lines bom = Record();
    bom[0] = "\xEF\xBB\xBF" + bom[0];
    bom[kRomLine] = std::string("ROMSIZE=04\0\x01"
                                "00",
                                14);
    EXPECT_EQ(Check(bom), -1);

    std::string huge(10 * 1024 * 1024, 'A');
    EXPECT_EQ(Check({huge}), 0);
    EXPECT_EQ(CheckLists({"LIST1 FUSE1 \"WDT\" " + huge}), 17);
    EXPECT_EQ(CheckLists({"LIST1 FUSE1 \"" + huge}), 17);
    std::string options = "LIST1 FUSE1 \"L\"";
    while (options.size() < 10 * 1024 * 1024)
        options += " \"O\"=3FFF";
    EXPECT_EQ(CheckLists({options}), -1);

    std::string garbage;
    for (int i = 0; i < 1 << 16; ++i)
        garbage += static_cast<char>((i * 7919 + 13) & 0xFF);
    Lines lines = SplitLines(garbage);
    EXPECT_EQ(SyntaxCheckChipList(lines), 0);
    Lines nuls(3, std::string(100, '\0'));
    EXPECT_EQ(Check(nuls), 0);
}

TEST(SyntaxCheck, PassesWithEveryLineEnding) {
    Lines record = Join({Record("A", {kWdt}), KeyLines("B")});
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string bytes;
        for (const auto& line : record)
            bytes += line + end;
        EXPECT_EQ(Check(SplitLines(bytes)), -1) << int(end[0]);
    }
}
