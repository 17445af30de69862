#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <cstddef>
#include <vector>

// Places of an image to write: each a program word or an EEPROM byte, the bits
// of `mask` set from `value` and the others kept. A serial number goes into a
// chip's image as one.
struct ImageWrite {
    bool rom = false;      // a program word, else an EEPROM byte
    std::size_t index = 0; // the word's or byte's place in its list
    int value = 0;
    int mask = 0;
};
using ImagePatch = std::vector<ImageWrite>;

// Writes the patch into the image; a place past a list's end makes the list
// longer, blank up to it.
void ApplyPatch(MemoryImage& image, const ChipRecord& chip, const ImagePatch& patch);
