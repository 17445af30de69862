#pragma once

// A gpasm program for any PIC of the chip file, made from the chip's record
// and gputils' own table of the processor (gpasm -s): code at both ends of
// program memory, the ID locations, every EEPROM byte, and each option of the
// record that is not code protection set away from its default through
// gpasm's CONFIG directive. Where the record and gputils' table disagree on a
// configuration address, an implemented bit or an option value, it says so.

#include "chipdb/chip_record.h"
#include "chipdb/fuse_rows.h"

#include <string>
#include <utility>
#include <vector>

namespace everychip {

// One CONFIG setting of gputils' table: its name, the bits its options choose
// between and its options (name, register value).
struct GpasmSetting {
    std::string name;
    int field = 0;
    std::vector<std::pair<std::string, int>> options;
};

// A configuration register: address as gputils gives it (a word address below
// the 16-bit cores, a byte address for them), implemented bits, settings.
struct GpasmRegister {
    long address = 0;
    int mask = 0;
    std::vector<GpasmSetting> settings;
};

// gputils' table of the processor; empty when gpasm does not know it.
std::vector<GpasmRegister> GpasmConfigTable(const std::string& chip);

struct ChipProgram {
    std::string source;
    // Fuse row n and the option item chosen in it: the fuse editor must show
    // it again for the word gpasm composed.
    std::vector<std::pair<int, int>> chosen;
    std::vector<std::string> disagreements; // the record against gputils' table
};

ChipProgram MakeChipProgram(const ChipRecord& chip, const FuseRows& rows,
                            const std::vector<GpasmRegister>& table);

// The byte of the file that holds bit 0 of a configuration register.
long FileAddressOf(const ChipRecord& chip, long registerAddress);

// The ID digits the program writes, and its EEPROM byte at an address.
inline constexpr const char* kIdDigits = "A5C31B2E";
int EepromByte(int address);

} // namespace everychip
