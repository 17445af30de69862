#pragma once

#include "chipdb/chip_record.h"
#include "chipdb/fuse_rows.h"

#include <string>
#include <vector>

// Configuration words in the words of the chip's fuse lists: what a file's
// words select, and which options differ when a chip's word is not the file's.

// Where configuration word `word` (1..) sits, as the verify messages name it:
// 0xFFF on the 12-bit cores, 0x2007 on the 14-bit ones, 0x300000 + 2 (word - 1)
// on the 16-bit ones.
long ConfigWordAddress(const ChipRecord& chip, int word);

// The configuration word at `address`, 0 when none sits there.
int ConfigWordAt(const ChipRecord& chip, long address);

// One fuse list's choice: its label and the option the word selects (the one
// the fuse editor would select). `option` names the bits when no option matches.
struct FuseSetting {
    std::string label;
    std::string option;
    bool matched = true;
};

// The choice of every fuse list that acts on configuration word `word`.
std::vector<FuseSetting> FuseSettings(const FuseRows& rows, const ChipRecord& chip, int word,
                                      int value);

// What differs between the file's and the chip's configuration word at
// `address` (as a verify reports it), one text per fuse list: "Watchdog: file
// Disabled, chip Enabled". Bits no list covers are named too: the bandgap bits
// of a chip that has them, any others by their mask. Empty when the words are
// equal or no configuration word sits at the address.
std::vector<std::string> ExplainFuseDifference(const FuseRows& rows, const ChipRecord& chip,
                                               long address, int fileValue, int chipValue);
