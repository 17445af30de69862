#include "protocol/upgrade.h"

#include "chipdb/hex_text.h"

#include <algorithm>

namespace {
constexpr int kBlankWord = 0x3FFF;
constexpr std::size_t kMovedWord = 15;
constexpr int kElmConfig = 0xF0A;
constexpr int kOtherConfig = 0x32A;
} // namespace

void UnscrambleUpgradeImage(MemoryImage& image, bool elm, int romWords) {
    std::vector<int>& rom = image.ROMData;
    for (int& word : rom)
        if (word != kBlankWord)
            word ^= kUpgradeMask;
    // A file too short to hold the sixteenth word keeps its words where they are.
    if (rom.size() > kMovedWord) {
        rom.erase(rom.begin() + static_cast<std::ptrdiff_t>(kMovedWord));
        // The ID is the firmware's last word. A loaded image has one entry
        // more than the chip has words: at the image's end it would lie past
        // the chip and never be written.
        const std::size_t chipLast = static_cast<std::size_t>(std::max(romWords, 1) - 1);
        const std::size_t at = std::min(rom.size(), chipLast);
        rom.insert(rom.begin() + static_cast<std::ptrdiff_t>(at), VerifyHEX(image.IDText));
    }
    image.FuseValue[1] = elm ? kElmConfig : kOtherConfig;
    image.IDText = "FFFF";
}
