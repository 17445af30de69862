#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading Intel HEX lines (INHX8M and INHX32): the character rules, the whole-file
// syntax scan, and the view of one line that the region extractors share.

// c for "0"-"9" and "A"-"F", the upper-case letter for "a"-"f", "-" for anything else.
char CheckASCII(char c);

// 0..15 for "0"-"9" and "A"-"F"; -1 for any other character (lower case included).
int HexToDec(char c);

// Value of hex text of either case, -1 when a character is not a hex digit.
int HexFieldValue(std::string_view text);

inline constexpr int kScanINHX8M = -1;
inline constexpr int kScanINHX32 = -2;

// kScanINHX8M or kScanINHX32, otherwise the 0-based index of the first faulty line.
// The first 11-character line ends the file: lines after it are never examined.
int ScanHexFile(const std::vector<std::string>& lines);

// What a line means to the extractors. Only segment records are told apart by
// their type; every other line of the right shape is a data record.
enum class HexLineKind { End, Segment, Data, Bad };

struct HexLine {
    HexLineKind kind = HexLineKind::Bad;
    int count = 0;         // byte count N
    int address = 0;       // 16-bit address A
    int segment = 0;       // segment number S of a segment record
    std::string_view data; // the line less its first 9 and last 2 characters
};

// A view into `line`, which must outlive the result. Bad when the fields the
// extractors need are missing or are not hex digits.
HexLine ClassifyHexLine(const std::string& line);

// The data field holds exactly the digits its byte count announces.
bool DataMatchesCount(const HexLine& line);
