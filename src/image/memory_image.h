#pragma once

#include <array>
#include <string>
#include <vector>

// The one copy of the selected chip's contents. Entries are held as integers;
// every value shown or written is its canonical decimal form.
struct MemoryImage {
    std::vector<int> ROMData;       // entry i = program word address i
    std::vector<int> EEPROMData;    // entry i = EEPROM byte address i
    std::array<int, 8> FuseValue{}; // configuration words [1..7]; [0] unused
    std::string IDText;             // the ID digits, one hex digit per ID location
    std::string HexFileName;
    double HexFileDate = 0;
    bool DataChanged = false;
    bool MergeLoad = false;
};
