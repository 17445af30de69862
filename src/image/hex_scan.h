#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reading Intel HEX lines (INHX8M and INHX32): the character rules, the whole-file
// syntax scan, and the view of one line that the region extractors share.

// c for "0"-"9" and "A"-"F", the upper-case letter for "a"-"f", "-" for anything else.
char CheckASCII(char c);

// Value of hex text of either case, -1 when a character is not a hex digit.
int HexFieldValue(std::string_view text);

// The shortest line (the end line) and the longest (a record of 255 data
// bytes: tools that merge files write records longer than the usual 16).
inline constexpr std::size_t kEndLineLength = 11;
inline constexpr std::size_t kLongestHexLine = 11 + 2 * 255;

inline constexpr int kScanINHX8M = -1;
inline constexpr int kScanINHX32 = -2;

// kScanINHX8M or kScanINHX32, otherwise the 0-based index of the first faulty line.
// The first 11-character line ends the file: lines after it are never examined.
// The kind is the whole file's: INHX32 when an extended linear address record
// stands anywhere before the end line (compilers for 16-bit cores begin with
// data and write the first one where the configuration bytes begin), INHX8M
// otherwise. Records of a type no reading can place (anything but data, the
// two address records of two data bytes, the start addresses of four, and the
// end line) are faulty lines.
int ScanHexFile(const std::vector<std::string>& lines);

// Record types of Intel HEX.
inline constexpr int kDataRecord = 0x00;
inline constexpr int kSegmentAddressRecord = 0x02; // bits 4..19 of the address
inline constexpr int kStartSegmentRecord = 0x03;
inline constexpr int kLinearAddressRecord = 0x04; // bits 16..31 of the address
inline constexpr int kStartLinearRecord = 0x05;

// What a line means to the extractors: data, a new base address, or a start
// address (where a processor begins, which a chip's reset vector fixes: no data).
enum class HexLineKind { End, Base, StartAddress, Data, Bad };

struct HexLine {
    HexLineKind kind = HexLineKind::Bad;
    int count = 0;         // byte count N
    int address = 0;       // 16-bit address A
    std::int64_t base = 0; // a base record's byte address: S × 65536, or S × 16 for type 02
    std::string_view data; // the line less its first 9 and last 2 characters
};

// A view into `line`, which must outlive the result. Bad when the fields the
// extractors need are missing or are not hex digits, or the type has no reading.
HexLine ClassifyHexLine(const std::string& line);

// The data field holds exactly the digits its byte count announces.
bool DataMatchesCount(const HexLine& line);
