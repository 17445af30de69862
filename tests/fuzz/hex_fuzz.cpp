// Feeds arbitrary bytes to the HEX scanner, the region extractors and the
// loader. The first four bytes choose the chip; the rest is the file's text.

#include "fuzz_require.h"
#include "image/hex_extract.h"
#include "image/hex_load.h"
#include "image/hex_scan.h"
#include "image/reset_code_memory.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kMasks[4] = {0xFF, 0xFFF, 0x3FFF, 0xFFFF};
constexpr int kCoreTypes[4] = {0, 4, 5, 1}; // serial EEPROM, 12-, 14- and 16-bit cores

ChipRecord ChipFrom(const std::uint8_t* head) {
    ChipRecord chip;
    const int kind = head[0] & 3;
    chip.WordMask = kMasks[kind];
    chip.FlashChip = (head[0] & 4) != 0;
    chip.CoreType = kind == 3 && (head[0] & 8) ? 2 : kCoreTypes[kind];
    // Up to 0x8000 words, including the sizes where windows meet.
    chip.ROMSize = (head[0] & 0x10) ? 0x8000 : head[1] * 16;
    chip.EEPROMSize = head[2] * 4;
    for (int i = 1; i <= 7; ++i)
        chip.FuseBlank[i] = 0xFFFF >> (head[3] & 7);
    return chip;
}

std::vector<std::string> LinesOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const ChipRecord chip = ChipFrom(data);
    const std::vector<std::string> lines = LinesOf(data + 4, size - 4);
    const bool merge = (data[3] & 0x40) != 0;
    const bool answerYes = (data[3] & 0x80) != 0;

    // The extractors alone, on lines no scan has vetted, and on short lists.
    MemoryImage small;
    small.ROMData.assign(2, 0);
    small.EEPROMData.assign(2, 0);
    std::string id = "FFFF";
    NewExtractROMData(lines, chip, small);
    NewExtractEEPROMData(lines, chip, small);
    NewExtractIDData(lines, chip, id);
    NewExtractFuseData(lines, chip, small);
    Require(small.ROMData.size() == 2 && small.EEPROMData.size() == 2 && id.size() <= 8);

    // The whole load, as a plain load or as a merge into empty lists.
    MemoryImage image;
    if (!merge)
        FillMissingEntries(chip, image);
    id = std::string(static_cast<std::size_t>(chip.IdTextLength()), 'F');
    const HexLoadResult result = LoadHexLines(lines, chip, image, id, [&] { return answerYes; });
    const int scan = ScanHexFile(lines);
    Require(scan >= -2 && scan < static_cast<int>(lines.size()));
    Require(scan < 0 || (result.failure == HexLoadFailure::BadLine && result.badLine == scan));
    if (result.Loaded()) {
        Require(image.ROMData.size() == static_cast<std::size_t>(chip.ROMSize) + 1);
        Require(image.EEPROMData.size() == static_cast<std::size_t>(chip.EEPROMSize) + 1);
        for (int word : image.ROMData)
            Require(word >= 0 && word <= chip.WordMask);
        for (int byte : image.EEPROMData)
            Require(byte >= 0 && byte <= 255);
        Require(id.size() == static_cast<std::size_t>(chip.IdTextLength()));
    }
    return 0;
}
