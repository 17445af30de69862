#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace boardsim {

// Bytes of an Intel HEX file by absolute byte address.
using HexBytes = std::map<std::uint32_t, std::uint8_t>;

struct HexReadResult {
    bool ok = false;
    int errorLine = -1; // 0-based line of the first bad record
    std::string error;
    HexBytes bytes;
};

// Reads data (00), end (01), extended segment (02) and extended linear (04) records.
// Every record's length and checksum are checked; nothing after the end record is read.
HexReadResult ReadIntelHex(const std::vector<std::string>& lines);

// Writes 16-byte data records, breaking at gaps, and an extended linear address record
// whenever the upper 16 bits change (always one first when `linear` is set); then the end.
std::vector<std::string> WriteIntelHex(const HexBytes& bytes, bool linear);

} // namespace boardsim
