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
    EXPECT_EQ(HexFieldValue("3fFf"), 0x3FFF);
    EXPECT_EQ(HexFieldValue("0x"), -1);
}

// INHX32 when an extended linear address record stands anywhere before the
// end line: compilers for 16-bit cores begin with data and write the first
// one where the configuration bytes begin.
TEST(ScanHexFile, TellsTheFileKindByTheWholeFile) {
    EXPECT_EQ(ScanHexFile({}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "00", "FF3F"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({":020000040000FA", Record(0, "00", "FFFF"), kEnd}), kScanINHX32);
    EXPECT_EQ(
        ScanHexFile({Record(0, "00", "FFFF"), ":020000040030CA", Record(1, "00", "C8"), kEnd}),
        kScanINHX32);
    // Without an end line every file counts as INHX8M, whatever its types.
    EXPECT_EQ(ScanHexFile({":020000040000FA", Record(0, "00", "FFFF")}), kScanINHX8M);
    // Start addresses and segment addresses have a reading; other types none.
    EXPECT_EQ(ScanHexFile({":04000005000000CD2A", Record(0, "02", "0000"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "0a", "0000"), kEnd}), 0);
    EXPECT_EQ(ScanHexFile({Record(0, "00", "FF3F"), Record(0x0004, "14", "FF3F"), kEnd}), 1);
    EXPECT_EQ(ScanHexFile({Record(0, "00", "FF3F"), Record(0, "05", "0000"), kEnd}), 1);
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
    // Longer than a record of 255 bytes can be.
    const std::string tooLong = ":FF002000" + std::string(514, '0');
    for (const auto& bad : {badSum, noColon, badDigit, badCount, tooLong, std::string()}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ScanHexFile({good, Record(0x10, "00", "AA55"), bad, kEnd}), 2);
    }
}

// Tools that merge files write records of more than 16 bytes.
TEST(ScanHexFile, TakesRecordsOfUpTo255Bytes) {
    EXPECT_EQ(ScanHexFile({Record(0, "00", std::string(40, 'A')), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0, "00", std::string(510, '1')), kEnd}), kScanINHX8M);
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

// Records may come in any order: the configuration word after the EEPROM,
// code at the top of program memory before the reset vector.
TEST(ScanHexFile, TakesRecordsInAnyOrder) {
    const std::string rom = Record(0x0000, "00", std::string(32, 'F'));
    const std::string eeprom = Record(0x4200, "00", "0100");
    EXPECT_EQ(ScanHexFile({rom, eeprom, Record(0x400E, "00", "FF3F"), kEnd}), kScanINHX8M);
    EXPECT_EQ(ScanHexFile({Record(0x07FE, "00", "FF3F"), rom, kEnd}), kScanINHX8M);
}
