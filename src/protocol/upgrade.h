#pragma once

#include "image/memory_image.h"

// A firmware upgrade image as it comes from its file is scrambled; this turns
// the loaded image into the words the board's own chip needs.
inline constexpr int kUpgradeMask = 0x5C;

// Every word but the blank 0x3FFF is XORed with the mask; the sixteenth word
// moves out and the ID (read as hex, -1 when it is not) takes the last place
// of the chip's `romWords`, so the count stays; configuration word 1 becomes
// the style's fixed value and the ID is blank again.
void UnscrambleUpgradeImage(MemoryImage& image, bool elm, int romWords);
