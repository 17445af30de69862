#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <string>
#include <vector>

// The code listing with the program memory as instructions: "ROM DATA", one
// line per instruction or blank run, then the EEPROM part as the hex listing
// has it. A chip without code gets the hex listing.
std::vector<std::string> CreateDisassemblyCodeData(const MemoryImage& image,
                                                   const ChipRecord& chip);

// Where a listing line stands, in either listing: the program word or EEPROM
// byte it starts with. Header lines stand at the start of their part.
struct ListingPlace {
    bool eeprom = false;
    // ROMData or EEPROMData index; the header lines before the part's first
    // data line count back from it: -1 the header, -2 the empty line before it.
    long entry = 0;
};

// How far a program word moves a line's address on in a listing: 2 in the
// disassembly of a PIC18, which counts bytes, 1 otherwise.
int ListingWordStep(const ChipRecord& chip, bool disassembly);

ListingPlace PlaceOfLine(const std::vector<std::string>& lines, int line, int wordStep);

// The line of `lines` that shows `place`: the last line that starts at or
// before it. 0 when the listing has no such part.
int LineOfPlace(const std::vector<std::string>& lines, const ListingPlace& place, int wordStep);
