#include "protocol/upgrade.h"

#include "chipdb/hex_text.h"

namespace {
constexpr int kBlankWord = 0x3FFF;
constexpr std::size_t kMovedWord = 15;
constexpr int kElmConfig = 0xF0A;
constexpr int kOtherConfig = 0x32A;
} // namespace

void UnscrambleUpgradeImage(MemoryImage& image, bool elm) {
    std::vector<int>& rom = image.ROMData;
    for (int& word : rom)
        if (word != kBlankWord)
            word ^= kUpgradeMask;
    // A file too short to hold the sixteenth word keeps its words where they are.
    if (rom.size() > kMovedWord) {
        rom.erase(rom.begin() + static_cast<std::ptrdiff_t>(kMovedWord));
        rom.push_back(VerifyHEX(image.IDText));
    }
    image.FuseValue[1] = elm ? kElmConfig : kOtherConfig;
    image.IDText = "FFFF";
}
