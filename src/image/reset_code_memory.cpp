#include "image/reset_code_memory.h"

#include <algorithm>

void ResetImage(MemoryImage& image, const ChipRecord& chip, bool keepData, bool keepFileName,
                bool fillBlank, const std::string& programDir) {
    if (!keepData) {
        image.ROMData.clear();
        image.EEPROMData.clear();
        if (fillBlank) {
            image.ROMData.assign(static_cast<size_t>(std::max(chip.ROMSize, 0)) + 1, chip.WordMask);
            image.EEPROMData.assign(static_cast<size_t>(std::max(chip.EEPROMSize, 0)) + 1, 255);
        }
    }
    for (int i = 1; i <= 7; ++i)
        image.FuseValue[i] = chip.FuseBlank[i];
    if (!keepFileName)
        image.HexFileName = programDir;
    image.DataChanged = false;
    image.HexFileDate = 0;
}
