#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <string>

// Empties or blank-fills the image for the chip and resets the configuration
// words and the file bookkeeping. The fuse editor's selections and ID, the
// listing and the caption are the window's part.
void ResetImage(MemoryImage& image, const ChipRecord& chip, bool keepData, bool keepFileName,
                bool fillBlank, const std::string& programDir);
