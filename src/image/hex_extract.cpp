#include "image/hex_extract.h"

#include "image/hex_scan.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

namespace {

using Address = std::int64_t; // a byte's address in the file: base + A + n

// The file's byte addresses of the ranges.
constexpr Address kWideIdStart = 0x200000;
constexpr Address kWideConfigStart = 0x300000;
constexpr Address kWideEepromStart = 0xF00000;
constexpr Address kIdStart = 0x4000;     // word 0x2000
constexpr Address kEepromStart = 0x4200; // word 0x2100
constexpr Address kConfig12 = 0x1FFE;    // word 0xFFF
constexpr Address kConfig14 = 0x400E;    // word 0x2007

// The value of data byte n (characters 2n+1 and 2n+2 of the data field), -1
// when they are not hex.
int ByteAt(std::string_view data, int n) {
    return HexFieldValue(data.substr(2 * static_cast<std::size_t>(n), 2));
}

// One byte of a word entry: the low byte at an even address, the high byte at
// an odd one; the other half keeps what it held.
void PutByte(int& word, Address address, int value) {
    word = (address & 1) != 0 ? (word & 0x00FF) | (value << 8) : (word & ~0xFF) | value;
}

// The list's entry, or null outside it.
int* EntryAt(std::vector<int>& list, Address index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

// Walks every data record up to the end line with the byte address of its
// first byte: the base of the last address record (none: 0, so a file without
// them lies in the first 64K) plus the record's address. Address records and
// start addresses place no data. A range's records may stand anywhere in the
// file, before or after those of higher ranges, so every walk goes on to the
// end line. The end line is success; a malformed line is failure, and so are
// lines that run out first unless `ranOutOk` says the range is complete.
template <class Visit, class RanOutOk>
bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit, RanOutOk ranOutOk) {
    Address base = 0;
    for (const std::string& text : lines) {
        const HexLine line = ClassifyHexLine(text);
        switch (line.kind) {
        case HexLineKind::End:
            return true;
        case HexLineKind::Base:
            base = line.base;
            continue;
        case HexLineKind::StartAddress:
            continue;
        case HexLineKind::Bad:
            return false;
        case HexLineKind::Data:
            if (!visit(line, base + line.address))
                return false;
        }
    }
    return ranOutOk();
}

// The first byte of the ID range. A 16-bit core's digits are the 8 bytes at
// 0x200000; the others keep a digit in the low byte of a word: a 12-bit core
// in the four words after program memory, where the assemblers put them,
// every other core in the words at 0x2000.
Address IDRangeStart(const ChipRecord& chip) {
    if (chip.IsWide())
        return kWideIdStart;
    return chip.IsBaseline() ? 2 * Address{chip.ROMSize} : kIdStart;
}

// The configuration words' bytes, [first, past the last).
std::pair<Address, Address> ConfigRange(const ChipRecord& chip) {
    const Address start =
        chip.IsBaseline() ? kConfig12 : (chip.IsWide() ? kWideConfigStart : kConfig14);
    return {start, start + 2 * chip.ConfigWords()};
}

// The data EEPROM's bytes, [first, past the last): the byte-wide layout keeps
// one EEPROM byte at each address, the others one in the low byte of a word.
std::pair<Address, Address> EepromRange(const ChipRecord& chip) {
    if (chip.Family() == Core::WideByteHex)
        return {kWideEepromStart, kWideEepromStart + chip.EEPROMSize};
    return {kEepromStart, kEepromStart + 2 * Address{chip.EEPROMSize}};
}

// The byte address of a record's last byte.
Address LastByte(const HexLine& line, Address first) {
    return first + line.count - 1;
}

} // namespace

bool NewExtractROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                       MemoryImage& image, int* taken) {
    if (!chip.HasProgramMemory())
        return true;
    const Address end = 2 * Address{chip.ROMSize}; // the first byte past program memory
    bool beyond = false; // a byte past program memory: its part of the file is over
    return WalkDataRecords(
        lines,
        [&](const HexLine& line, Address first) {
            if (first >= end) {
                beyond = true;
                return true;
            }
            if (!DataMatchesCount(line))
                return false;
            for (int n = 0; n < line.count; ++n) {
                const Address at = first + n;
                if (at >= end) {
                    beyond = true;
                    break;
                }
                const int value = ByteAt(line.data, n);
                if (value < 0)
                    return false;
                if (int* word = EntryAt(image.ROMData, at / 2)) {
                    PutByte(*word, at, value);
                    if (taken)
                        ++*taken;
                }
            }
            return true;
        },
        [&] { return beyond; });
}

bool NewExtractEEPROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                          MemoryImage& image, int* taken) {
    if (!chip.FlashChip)
        return true;
    const bool byteWide = chip.Family() == Core::WideByteHex;
    // Named values, not a structured binding: clang 14 (the fuzz build's
    // compiler) refuses bindings captured by the lambdas below.
    const std::pair<Address, Address> range = EepromRange(chip);
    const Address start = range.first;
    const Address stop = range.second;
    const bool hasRom = chip.HasProgramMemory();
    // A 16-bit core's range at 0x2100 can lie inside its program memory;
    // those bytes belong to program words and never to EEPROM.
    const auto outside = [&](Address at) {
        return at < start || (hasRom && at / 2 < chip.ROMSize);
    };
    bool beyond = false;
    return WalkDataRecords(
        lines,
        [&](const HexLine& line, Address first) {
            if (outside(LastByte(line, first)))
                return true;
            if (first >= stop) {
                beyond = true;
                return true;
            }
            if (!DataMatchesCount(line))
                return false;
            for (int n = 0; n < line.count; ++n) {
                const Address at = first + n;
                if (outside(at))
                    continue;
                if (at >= stop) {
                    beyond = true;
                    break;
                }
                if (!byteWide && (at & 1) != 0)
                    continue;
                const int value = ByteAt(line.data, n);
                if (value < 0)
                    return false;
                if (int* entry =
                        EntryAt(image.EEPROMData, byteWide ? at - start : (at - start) / 2)) {
                    *entry = value;
                    if (taken)
                        ++*taken;
                }
            }
            return true;
        },
        [&] { return beyond; });
}

bool NewExtractIDData(const std::vector<std::string>& lines, const ChipRecord& chip,
                      std::string& idText, int* taken) {
    const bool wide = chip.IsWide();
    const Address start = IDRangeStart(chip);
    const Address last = start + 7;
    std::string work = "FFFFFFFF";
    const bool ok = WalkDataRecords(
        lines,
        [&](const HexLine& line, Address first) {
            if (LastByte(line, first) < start || first > last)
                return true;
            if (!DataMatchesCount(line))
                return false;
            for (int n = 0; n < line.count; ++n) {
                const Address at = first + n;
                if (at < start || at > last || (!wide && (at & 1) != 0))
                    continue;
                // The digit is the low nibble of the location's low byte.
                const char digit = CheckASCII(line.data[2 * static_cast<std::size_t>(n) + 1]);
                if (digit == '-')
                    return false;
                work[static_cast<std::size_t>(wide ? at - start : (at - start) / 2)] = digit;
                if (taken)
                    ++*taken;
            }
            return true;
        },
        [] { return true; });
    if (ok)
        idText = wide ? work : work.substr(0, 4);
    return ok;
}

bool NewExtractFuseData(const std::vector<std::string>& lines, const ChipRecord& chip,
                        MemoryImage& image, int* taken) {
    if (!chip.HasProgramMemory())
        return true;
    const std::pair<Address, Address> range = ConfigRange(chip);
    const Address from = range.first;
    const Address to = range.second; // the first byte past the range
    // Lines that run out after the range's last byte are no fault.
    bool complete = false;
    return WalkDataRecords(
        lines,
        [&](const HexLine& line, Address first) {
            if (LastByte(line, first) < from || first >= to)
                return true;
            if (!DataMatchesCount(line))
                return false;
            for (int n = 0; n < line.count; ++n) {
                const Address at = first + n;
                if (at < from)
                    continue;
                if (at >= to)
                    break;
                const int value = ByteAt(line.data, n);
                if (value < 0)
                    return false;
                const auto k = static_cast<std::size_t>((at - from) / 2 + 1);
                PutByte(image.FuseValue[k], at, value);
                image.FuseValue[k] &= chip.FuseBlank[k];
                complete = complete || at == to - 1;
                if (taken)
                    ++*taken;
            }
            return true;
        },
        [&] { return complete; });
}

namespace {

// The ranges of the chip, as [first byte, past the last).
std::vector<std::pair<Address, Address>> RangesOf(const ChipRecord& chip) {
    std::vector<std::pair<Address, Address>> ranges;
    if (chip.HasProgramMemory())
        ranges.emplace_back(0, 2 * Address{chip.ROMSize});
    if (chip.FlashChip)
        ranges.push_back(EepromRange(chip));
    ranges.emplace_back(IDRangeStart(chip), IDRangeStart(chip) + 8);
    if (chip.HasProgramMemory())
        ranges.push_back(ConfigRange(chip));
    return ranges;
}

// An erased word of some memory, whichever chip the file was made for: 0xFFF,
// 0x3FFF or 0xFFFF, or 0x00FF (an erased EEPROM byte in the low byte of its
// word). Not loading it loses nothing: the blank fill past the lists' ends in
// our own saved files, or a configuration word the chip record does not keep,
// left erased by the assembler. A half the file does not give is erased: a
// lone low byte 0xFF, or a lone high byte 0x0F, 0x3F or 0xFF, passes over; a
// lone high byte of any other value (0x00 too: no EEPROM byte sits there) is
// data.
bool IsErasedWord(int low, int high) {
    if (low < 0)
        return high == 0x0F || high == 0x3F || high == 0xFF;
    if (high < 0)
        return low == 0xFF;
    return low == 0xFF && (high == 0x00 || high == 0x0F || high == 0x3F || high == 0xFF);
}

} // namespace

int BytesOutsideChip(const std::vector<std::string>& lines, const ChipRecord& chip) {
    const std::vector<std::pair<Address, Address>> ranges = RangesOf(chip);
    const auto inside = [&](Address at) {
        return std::any_of(ranges.begin(), ranges.end(), [&](const std::pair<Address, Address>& w) {
            return at >= w.first && at < w.second;
        });
    };
    // The file's bytes outside every range, each address once (a later record
    // overwrites an earlier one, as in the image). Ranges begin and end at
    // word bounds, so both halves of an outside word are here when the file
    // gives them, from whichever records.
    std::map<Address, int> bytes;
    WalkDataRecords(
        lines,
        [&](const HexLine& line, Address first) {
            for (int n = 0; DataMatchesCount(line) && n < line.count; ++n) {
                const int value = ByteAt(line.data, n);
                if (value >= 0 && !inside(first + n))
                    bytes[first + n] = value;
            }
            return true;
        },
        [] { return true; });
    const auto half = [&](Address at) {
        const auto found = bytes.find(at);
        return found == bytes.end() ? -1 : found->second;
    };
    int outside = 0;
    for (const auto& [at, value] : bytes) {
        const bool high = (at & 1) != 0;
        const int partner = half(at ^ 1);
        if (!(high ? IsErasedWord(partner, value) : IsErasedWord(value, partner)))
            ++outside;
    }
    return outside;
}
