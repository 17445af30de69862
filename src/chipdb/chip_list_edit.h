#pragma once

#include <string>
#include <vector>

// The chip list editor's logic: which chips of the chip file the selector
// offers. Only INCLUDE flags change; every other byte of the file stays.

// One chip of the chip file with its INCLUDE flag.
struct ChipListRow {
    std::string Name;     // as the selector lists it: cut to 8 characters
    char Included = 'N';  // 'Y' when the selector offers the chip
    int IncludeLine = -1; // file line holding the chip's INCLUDE key, -1 when it has none
};

// The chips of the file in file order. Key lines are read the way the chip
// file loader reads them (upper case, blanks and control characters ignored),
// so a chip is listed under the name and flag the selector goes by. A CHIPNAME
// line followed by an empty line, or by none, lists nothing.
std::vector<ChipListRow> FillChipGrid(const std::vector<std::string>& lines);

// Writes every row's flag into its own chip's INCLUDE line as "INCLUDE=Y" or
// "INCLUDE=N". A line that already says what its row says is left as it was.
void ModifyChipList(std::vector<std::string>& lines, const std::vector<ChipListRow>& rows);
