#include "image/chip_checksum.h"

#include "image/hex_scan.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <string_view>

namespace {

// How a 14-bit chip protects part of its program memory: a two-bit field
// kept twice in the configuration word (the upper copy at bits 13:12).
enum class Partial {
    None,   // one setting: protected means all of it
    Halves, // 11 off, 10 the upper half, 01 the upper three quarters, 00 all
    Top256, // 11 off, 10 the last 256 words, 01 the upper half, 00 all
};

// What a 12- or 14-bit chip's checksum needs beyond its chip record.
struct NarrowRule {
    std::string_view names; // the chips, separated by spaces
    int mask;               // implemented bits of the configuration word
    int cpBits;             // the code protection bits: protected when any is 0
    int mask2 = -1;         // a second configuration word (kept erased); -1: none
    Partial partial = Partial::None;
    int copyShift = 0; // where the lower copy of a partial field stands
    int constant = 0;  // added to every sum (kept for older programmers)
};

// The masks are those of the checksum tables in the chips' programming data sheets; the
// code protection bits are the chip file's "Code Protect" choices. The 16F7X7
// masks are the implemented bits of their data sheets' configuration registers.
constexpr NarrowRule kNarrowRules[] = {
    {"12F508 12F509 12C508 12C508A 12C509 12C509A", 0x001F, 0x0008},
    {"12F510", 0x003F, 0x0008},
    {"16F505", 0x003F, 0x0010},
    {"16F506", 0x007F, 0x0010},
    {"16F54 16F57", 0x000F, 0x0008, -1, Partial::None, 0, 0x0FF0},
    {"16F84A", 0x3FFF, 0x3FF0},
    {"16F818 16F819", 0x3FFF, 0x2000},
    {"16F627A 16F628A 16F648A", 0x21FF, 0x2000},
    {"16F627 16F628", 0x3DFF, 0x3C00, -1, Partial::Halves, 10},
    {"12F629 12F675 16F630 16F676", 0x01FF, 0x0080},
    {"12F683 16F684 16F688", 0x0FFF, 0x0040},
    {"16F87 16F88", 0x3FFF, 0x2000, 0x0003},
    {"16F870 16F871 16F872", 0x3BFF, 0x3030},
    {"16F873 16F874 16F876 16F877", 0x3BFF, 0x3030, -1, Partial::Top256, 4},
    {"16F873A 16F874A 16F876A 16F877A", 0x2FCF, 0x2000},
    {"16F882 16F883 16F884 16F886 16F887", 0x3FFF, 0x0040, 0x0700},
    {"16F72 16F73 16F74 16F76 16F77", 0x005F, 0x0010},
    {"16F716", 0x20CF, 0x2000},
    {"16F737 16F747 16F767 16F777", 0x39FF, 0x2000, 0x0043},
    {"16F913 16F914 16F916 16F917", 0x1FFF, 0x0040},
};

// 16-bit chips whose boot block is 512 bytes; the others' is 2 KB.
constexpr std::string_view kSmallBootBlock = "18F242 18F248 18F252 18F258 18F442 18F448 18F452 "
                                             "18F458 18F1220 18F1320 18F2220 18F2320 18F4220 "
                                             "18F4320 18F1230 18F1330 18F2331 18F2431 18F4331 "
                                             "18F4431";

bool Names(std::string_view list, const std::string& name) {
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find(' ', at), list.size());
        if (list.substr(at, end - at) == name)
            return true;
        at = end + 1;
    }
    return false;
}

// A chip the table does not know (one added to the chip file): its erased
// configuration word as the mask, and no code protection the sum could see.
NarrowRule RuleFor(const ChipRecord& chip) {
    for (const NarrowRule& rule : kNarrowRules)
        if (Names(rule.names, chip.ChipName))
            return rule;
    return {"", chip.FuseBlank[1] & chip.WordMask, 0};
}

int WordAt(const ChipRecord& chip, const MemoryImage& image, int address) {
    const auto at = static_cast<std::size_t>(address);
    return at < image.ROMData.size() ? image.ROMData[at] & chip.WordMask : chip.WordMask;
}

// The sum of program words [first, last).
unsigned WordSum(const ChipRecord& chip, const MemoryImage& image, int first, int last) {
    unsigned sum = 0;
    for (int a = first; a < last; ++a)
        sum += static_cast<unsigned>(WordAt(chip, image, a));
    return sum;
}

// ID digit `i` of the image, erased (0xF) where it has none.
int IdDigit(const MemoryImage& image, std::size_t i) {
    if (i >= image.IDText.size())
        return 0xF;
    const int value = HexFieldValue(std::string_view(image.IDText).substr(i, 1));
    return value < 0 ? 0xF : value;
}

// The four ID digits as one value, ID0 the most significant.
unsigned IdValue(const MemoryImage& image) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 4) | static_cast<unsigned>(IdDigit(image, i));
    return value;
}

// The first protected program word of a 14-bit chip; ROMSize when none is.
int ProtectedFrom(const NarrowRule& rule, int config, int romSize) {
    if (rule.partial == Partial::None)
        return (config & rule.cpBits) == rule.cpBits ? romSize : 0;
    // A field whose two copies differ: the more protective of the two.
    const int field = (config >> 12) & (config >> rule.copyShift) & 3;
    switch (field) {
    case 3:
        return romSize;
    case 2:
        return rule.partial == Partial::Halves ? romSize / 2 : romSize - 256;
    case 1:
        return rule.partial == Partial::Halves ? romSize / 4 : romSize / 2;
    default:
        return 0;
    }
}

unsigned NarrowChecksum(const ChipRecord& chip, const MemoryImage& image) {
    const NarrowRule rule = RuleFor(chip);
    const int config = image.FuseValue[1];
    // A calibration word at the top of program memory never counts.
    const int summedEnd = chip.ROMSize - (chip.CalWord ? 1 : 0);
    unsigned sum = static_cast<unsigned>(config & rule.mask) + static_cast<unsigned>(rule.constant);
    if (rule.mask2 >= 0)
        sum += static_cast<unsigned>(chip.WordMask & rule.mask2);
    const bool baseline = chip.IsBaseline();
    const int from = rule.cpBits == 0 ? chip.ROMSize : ProtectedFrom(rule, config, chip.ROMSize);
    if (from >= chip.ROMSize)
        return sum + WordSum(chip, image, 0, summedEnd);
    // Protected: a 12-bit chip still reads its first 64 words.
    const int readable = baseline ? std::min(64, summedEnd) : std::min(from, summedEnd);
    return sum + WordSum(chip, image, 0, readable) + IdValue(image);
}

// Program bytes [first, last) of a 16-bit chip (block bounds are even).
unsigned ByteSum(const ChipRecord& chip, const MemoryImage& image, int first, int last) {
    unsigned sum = 0;
    for (int word = first / 2; word < last / 2; ++word) {
        const int value = WordAt(chip, image, word);
        sum += static_cast<unsigned>((value & 0xFF) + ((value >> 8) & 0xFF));
    }
    return sum;
}

unsigned WideChecksum(const ChipRecord& chip, const MemoryImage& image) {
    unsigned sum = 0;
    for (std::size_t k = 1; k <= 7; ++k) {
        const int value = image.FuseValue[k] & chip.FuseBlank[k];
        sum += static_cast<unsigned>((value & 0xFF) + ((value >> 8) & 0xFF));
    }
    // CONFIG5L holds a protection bit per block, CONFIG5H bit 6 the boot block's.
    const int bytes = 2 * chip.ROMSize;
    const int config5 = image.FuseValue[5];
    const int blocks = std::popcount(static_cast<unsigned>(chip.FuseBlank[5] & 0x0F));
    const int blockSize = blocks > 0 ? bytes / blocks : bytes;
    const int boot = std::min(Names(kSmallBootBlock, chip.ChipName) ? 0x200 : 0x800, bytes);
    bool anyProtected = (chip.FuseBlank[5] & 0x4000) != 0 && (config5 & 0x4000) == 0;
    if (!anyProtected)
        sum += ByteSum(chip, image, 0, boot);
    for (int b = 0; b < std::max(blocks, 1); ++b) {
        const int first = std::max(b * blockSize, boot);
        const int last = b + 1 >= blocks ? bytes : (b + 1) * blockSize;
        if (blocks > 0 && (config5 & (1 << b)) == 0)
            anyProtected = true;
        else
            sum += ByteSum(chip, image, first, last);
    }
    // Protected blocks read as 0: the ID bytes' low nibbles stand in for them.
    if (anyProtected)
        for (std::size_t i = 0; i < 8; ++i)
            sum += static_cast<unsigned>(IdDigit(image, i));
    return sum;
}

} // namespace

std::optional<int> ChipChecksum(const ChipRecord& chip, const MemoryImage& image) {
    if (!chip.HasProgramMemory() || chip.ROMSize <= 0)
        return std::nullopt;
    const unsigned sum = chip.IsWide() ? WideChecksum(chip, image) : NarrowChecksum(chip, image);
    return static_cast<int>(sum & 0xFFFF);
}

std::string ChecksumText(std::optional<int> checksum) {
    if (!checksum)
        return {};
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", *checksum & 0xFFFF);
    return text;
}

std::optional<int> BlankChecksum(const ChipRecord& chip) {
    MemoryImage erased; // missing words count erased
    erased.FuseValue = chip.FuseBlank;
    return ChipChecksum(chip, erased);
}
