#include "hex_test_support.h"
#include "image/hex_scan.h"

#include <gtest/gtest.h>

using namespace hextest;

TEST(HexCharacters, CheckASCIIUpperCasesDigitsAndMarksTheRest) {
    EXPECT_EQ(CheckASCII('7'), '7');
    EXPECT_EQ(CheckASCII('C'), 'C');
    EXPECT_EQ(CheckASCII('c'), 'C');
    EXPECT_EQ(CheckASCII('g'), '-');
    EXPECT_EQ(CheckASCII(':'), '-');
    EXPECT_EQ(CheckASCII('\0'), '-');
    EXPECT_EQ(HexToDec('F'), 15);
    EXPECT_EQ(HexToDec('f'), -1);
    EXPECT_EQ(HexFieldValue("3fFf"), 0x3FFF);
    EXPECT_EQ(HexFieldValue("0x"), -1);
}

TEST(ScanHexFile, TellsTheFileKindByTheFirstRecordType) {
    EXPECT_EQ(ScanHexFile({}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "00", "FF3F"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({":020000040000FA", Record(0, "00", "FFFF"), kEnd}), kScanINHX32);
    // Without an end line every file counts as INHX8M, whatever its first type.
    EXPECT_EQ(ScanHexFile({":020000040000FA", Record(0, "00", "FFFF")}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "02", "0000"), kEnd}), 0);
    EXPECT_EQ(ScanHexFile({Record(0, "0a", "0000"), kEnd}), 0);
}

TEST(ScanHexFile, NamesTheFirstFaultyLine) {
    const std::string good = Record(0, "00", "0102");
    std::string badSum = Record(0x20, "00", "0304");
    badSum.back() = badSum.back() == '0' ? '1' : '0';
    std::string noColon = Record(0x20, "00", "0304");
    noColon[0] = ';';
    std::string badDigit = Record(0x20, "00", "0304");
    badDigit[10] = 'G';
    // The count says 2 bytes, the line holds 3.
    const std::string badCount = ":02002000010203F8";
    const std::string seventeen = Record(0x20, "00", std::string(34, '0'));
    ASSERT_EQ(seventeen.size(), 45u);
    for (const auto& bad : {badSum, noColon, badDigit, badCount, seventeen, std::string()}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ScanHexFile({good, Record(0x10, "00", "AA55"), bad, kEnd}), 2);
    }
}

TEST(ScanHexFile, StopsAtTheFirstElevenCharacterLine) {
    EXPECT_EQ(ScanHexFile({Record(0, "00", "0102"), kEnd, "garbage", ""}), kScanINHX8M);
    // An 11-character line ends the data whatever it holds.
    EXPECT_EQ(ScanHexFile({Record(0, "00", "0102"), "xxxxxxxxxxx", "bad"}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "00", "0102"), "", kEnd}), 1);
}

TEST(ScanHexFile, AcceptsLowerCaseDigits) {
    std::string line = Record(0x20, "00", "ABCDEF01");
    for (char& c : line)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(ScanHexFile({line, kEnd}), kScanINHX8M);
}

// The expected word address starts at the first record and grows by each
// record's word count; it follows a record back down only for types that begin
// with "0" (the configuration word written after the EEPROM) or end in "4".
TEST(ScanHexFile, LetsOnlySomeRecordTypesGoBackToALowerAddress) {
    const std::string rom = Record(0x0000, "00", std::string(32, 'F'));
    const std::string eeprom = Record(0x4200, "00", "0100");
    EXPECT_EQ(ScanHexFile({rom, eeprom, Record(0x400E, "00", "FF3F"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({rom, Record(0x0004, "14", "FF3F"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({rom, Record(0x0004, "10", "FF3F"), kEnd}), 1);
    EXPECT_EQ(ScanHexFile({rom, Record(0x0010, "10", "FF3F"), kEnd}), kScanINHX8M);
    // After going back, the expectation restarts from the lower address.
    EXPECT_EQ(ScanHexFile({rom, Record(0x0000, "00", "FF3F"), Record(0x0004, "10", "FF3F"), kEnd}),
              kScanINHX8M);
}
