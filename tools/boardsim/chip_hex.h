#pragma once

#include "chip.h"
#include "intel_hex.h"

#include <string>
#include <vector>

namespace boardsim {

// A chip's memories as an Intel HEX file, in the address map the programming
// program uses: program words low byte first from 0; for 12/14-bit cores and serial
// EEPROMs the ID at 0x4000, EEPROM bytes at 0x4200 (one word each) and configuration
// word 1 at 0x1FFE (12-bit) or 0x400E (14-bit); for 16-bit cores an INHX32 file with
// the ID at 0x200000, seven configuration words at 0x300000 and EEPROM at 0xF00000.
std::vector<std::string> DumpChipHex(const Chip& chip);

struct ChipHexResult {
    bool ok = false;
    int errorLine = -1;
    std::string error;
    int ignoredBytes = 0; // bytes at addresses the chip does not have
};

// Blanks the chip, then stores every byte of the file that falls inside its memories.
ChipHexResult LoadChipHex(Chip& chip, const std::vector<std::string>& lines);

// Whole-file helpers; false when the file cannot be read or written.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace boardsim
