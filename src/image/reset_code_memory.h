#pragma once

#include "chipdb/chip_record.h"
#include "fuses/fuse_rows.h"
#include "image/memory_image.h"

#include <string>

// Empties or blank-fills the image for the chip and resets what goes with it:
// the fuse editor's selections, the ID, the configuration words and the file
// bookkeeping. The listing and caption are the window's part.
void ResetImage(MemoryImage& image, FuseRows& rows, const ChipRecord& chip, bool keepData,
                bool keepFileName, bool fillBlank, const std::string& programDir);
