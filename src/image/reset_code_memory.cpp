#include "image/reset_code_memory.h"

#include <algorithm>

void ResetImage(MemoryImage& image, const ChipRecord& chip, bool keepData, bool keepFileName,
                bool fillBlank, const std::string& programDir) {
    if (!keepData) {
        image.ROMData.clear();
        image.EEPROMData.clear();
        if (fillBlank)
            FillMissingEntries(chip, image);
    }
    for (int i = 1; i <= 7; ++i)
        image.FuseValue[i] = chip.FuseBlank[i];
    if (!keepFileName)
        image.HexFileName = programDir;
    image.DataChanged = false;
    image.HexFileDate = 0;
}

void FillMissingEntries(const ChipRecord& chip, MemoryImage& image) {
    const std::size_t romEntries = static_cast<std::size_t>(std::max(chip.ROMSize, 0)) + 1;
    const std::size_t eepromEntries = static_cast<std::size_t>(std::max(chip.EEPROMSize, 0)) + 1;
    if (image.ROMData.size() < romEntries)
        image.ROMData.resize(romEntries, chip.WordMask);
    if (image.EEPROMData.size() < eepromEntries)
        image.EEPROMData.resize(eepromEntries, 255);
}
