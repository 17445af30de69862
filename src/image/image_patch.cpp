#include "image/image_patch.h"

void ApplyPatch(MemoryImage& image, const ChipRecord& chip, const ImagePatch& patch) {
    for (const ImageWrite& w : patch) {
        std::vector<int>& list = w.rom ? image.ROMData : image.EEPROMData;
        const int blank = w.rom ? chip.WordMask : 0xFF;
        if (list.size() <= w.index)
            list.resize(w.index + 1, blank);
        int& entry = list[w.index];
        entry = ((entry & ~w.mask) | (w.value & w.mask)) & blank;
    }
}
