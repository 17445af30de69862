#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <string>

// Empties or blank-fills the image for the chip and resets the configuration
// words and the file bookkeeping. What a face shows of them (fuse choices, ID,
// listing, caption) it draws again when told that the image changed.
void ResetImage(MemoryImage& image, const ChipRecord& chip, bool keepData, bool keepFileName,
                bool fillBlank, const std::string& programDir);

// Gives the lists room for every entry a load can write: missing entries up to
// ROMSize + 1 and EEPROMSize + 1 are appended blank, as after a blank fill.
// A merge into lists emptied by a chip change so keeps all of the file's data.
void FillMissingEntries(const ChipRecord& chip, MemoryImage& image);
