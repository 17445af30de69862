#pragma once

#include "chipdb/chip_record.h"
#include "chipdb/fuse_rows.h"

#include <string>
#include <vector>

// The chip record and fuse editor rows of the chip at a selector position.

struct ChipInfoResult {
    bool ok = false;
    ChipRecord record; // FuseListWord holds the lists' words, -1 for unused lists
    FuseRows rows;     // rows of the chip's fuse lists, first item selected
    // When not ok: the ChipData index of the line that could not be read, or
    // -1 when no chip stands at the position.
    int badLine = -1;
};

// Reads the record of the chip at selector position `position` from a checked
// ChipData. Every value is converted strictly: a value that does not read (a
// socket number or FUSE number that is not an integer, a hex value that is
// not hex, a missing line) fails with the line instead of giving a wrong
// value. CalFlags and WordMask are left to DeriveSelectionFields.
ChipInfoResult ExtractChipInfo(const std::vector<std::string>& chipData, int position);

// Width mask and erased value of one program word for a core type. Core types
// 3 and 10 are single-configuration-word cores with 4 ID digits, like the
// 14-bit cores, and get 0x3FFF too, so a HEX load never masks words to 0.
int WordMaskForCoreType(int coreType);

// The selection's derived fields: CalFlags (bit 0 CalWord, bit 1 BandGap)
// and WordMask from the core type.
void DeriveSelectionFields(ChipRecord& record);
