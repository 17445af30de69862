#include "image/hex_extract.h"

#include "image/hex_scan.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

constexpr int kSegmentFold = 0xFF0000;
constexpr int kSegmentScale = 4096;

// The value of data byte n (characters 2n+1 and 2n+2 of the data field), -1
// when they are not hex.
int ByteAt(std::string_view data, int n) {
    return HexFieldValue(data.substr(2 * static_cast<std::size_t>(n), 2));
}

// One byte of a word entry: the low byte at an even address, the high byte at
// an odd one; the other half keeps what it held.
void PutByte(int& word, int address, int value) {
    word = (address & 1) != 0 ? (word & 0x00FF) | (value << 8) : (word & ~0xFF) | value;
}

// The list's entry, or null outside it.
int* EntryAt(std::vector<int>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

// A segment whose S × 4096 the fold would cut (a low digit, or above 0xFFF)
// addresses memory that no supported chip has; folded, its records would
// land on segment 0's words, so its records have no place at all.
bool SegmentHasPlace(int segment) {
    return ((segment * kSegmentScale) & ~kSegmentFold) == 0;
}

enum class Step { Next, Done, Fail };

// Walks the data records of the ROM, EEPROM and configuration windows. Every
// file byte has a byte address in the same map as the words' keys: a segment
// record folds into the key's top (S × 4096 AND 0xFF0000, a word key), so the
// record's first byte lies at twice that plus its address A, and byte address
// DIV 2 is the key of the word that byte belongs to. The end line is success;
// a malformed line is failure, and so are lines that run out first unless
// `ranOutOk` says the window is complete. Records of a segment that has no
// place are skipped, or given to `visit` at kNoPlace when `unplacedToo`.
constexpr int kNoPlace = -1;

template <class Visit, class RanOutOk>
bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit, RanOutOk ranOutOk,
                     bool unplacedToo = false) {
    int fold = 0;
    bool placed = true;
    for (const std::string& text : lines) {
        const HexLine line = ClassifyHexLine(text);
        if (line.kind == HexLineKind::End)
            return true;
        if (line.kind == HexLineKind::Segment) {
            fold = (line.segment * kSegmentScale) & kSegmentFold;
            placed = SegmentHasPlace(line.segment);
            continue;
        }
        if (line.kind == HexLineKind::Bad)
            return false;
        if (!placed && !unplacedToo)
            continue;
        const Step step = visit(line, placed ? 2 * fold + line.address : kNoPlace);
        if (step != Step::Next)
            return step == Step::Done;
    }
    return ranOutOk();
}

template <class Visit> bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit) {
    return WalkDataRecords(lines, visit, [] { return false; });
}

// The first byte of the ID window. A 16-bit core's digits are the 8 bytes of
// segment 0x0020; the others keep a digit in the low byte of a word: a 12-bit
// core in the four words after program memory, where the assemblers put them,
// every other core in the words at 0x2000.
int IDWindowStart(const ChipRecord& chip) {
    if (chip.IsWide())
        return 2 * 0x20000;
    return chip.IsBaseline() ? 2 * chip.ROMSize : 0x4000;
}

// The configuration words' bytes, [first, past the last).
std::pair<int, int> ConfigWindow(const ChipRecord& chip) {
    const int start = chip.IsBaseline() ? 0xFFF : (chip.IsWide() ? 0x30000 : 0x2007);
    return {2 * start, 2 * (start + chip.ConfigWords())};
}

// The byte address of a record's last byte.
int LastByte(const HexLine& line, int first) {
    return first + line.count - 1;
}

} // namespace

bool NewExtractROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                       MemoryImage& image, int* taken) {
    if (!chip.HasProgramMemory())
        return true;
    const int end = 2 * chip.ROMSize; // the first byte past program memory
    return WalkDataRecords(lines, [&](const HexLine& line, int first) {
        if (first / 2 > chip.ROMSize)
            return Step::Done; // the program memory part of the file is over
        if (!DataMatchesCount(line))
            return Step::Fail;
        for (int n = 0; n < line.count; ++n) {
            const int at = first + n;
            if (at >= end)
                return Step::Done;
            const int value = ByteAt(line.data, n);
            if (value < 0)
                return Step::Fail;
            if (int* word = EntryAt(image.ROMData, at / 2)) {
                PutByte(*word, at, value);
                if (taken)
                    ++*taken;
            }
        }
        return Step::Next;
    });
}

bool NewExtractEEPROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                          MemoryImage& image, int* taken) {
    if (!chip.FlashChip)
        return true;
    // The byte-wide layout keeps one EEPROM byte at each byte address; the
    // others one in the low byte of each word, whose high byte has no place.
    const bool byteWide = chip.Family() == Core::WideByteHex;
    const int base = byteWide ? 0xF0000 : 0x2100;
    const int start = 2 * base;
    const bool hasRom = chip.HasProgramMemory();
    // A 16-bit core's window at 0x2100 can lie inside its program memory;
    // those bytes belong to program words and never to EEPROM.
    const auto outside = [&](int at) { return at < start || (hasRom && at / 2 < chip.ROMSize); };
    return WalkDataRecords(lines, [&](const HexLine& line, int first) {
        if (outside(LastByte(line, first)))
            return Step::Next;
        if (first / 2 >= base + chip.EEPROMSize)
            return Step::Done;
        if (!DataMatchesCount(line))
            return Step::Fail;
        for (int n = 0; n < line.count; ++n) {
            const int at = first + n;
            if (outside(at))
                continue;
            const int index = byteWide ? at - start : (at - start) / 2;
            if (index >= chip.EEPROMSize)
                return Step::Done;
            if (!byteWide && (at & 1) != 0)
                continue;
            const int value = ByteAt(line.data, n);
            if (value < 0)
                return Step::Fail;
            if (int* entry = EntryAt(image.EEPROMData, index)) {
                *entry = value;
                if (taken)
                    ++*taken;
            }
        }
        return Step::Next;
    });
}

bool NewExtractIDData(const std::vector<std::string>& lines, const ChipRecord& chip,
                      std::string& idText, int* taken) {
    const bool wide = chip.IsWide();
    const int start = IDWindowStart(chip);
    const int last = start + 7;
    std::string work = "FFFFFFFF";
    const bool ok = WalkDataRecords(
        lines,
        [&](const HexLine& line, int first) {
            if (LastByte(line, first) < start)
                return Step::Next;
            if (first > last)
                return Step::Done;
            if (!DataMatchesCount(line))
                return Step::Fail;
            for (int n = 0; n < line.count; ++n) {
                const int at = first + n;
                if (at < start || at > last || (!wide && (at & 1) != 0))
                    continue;
                // The digit is the low nibble of the location's low byte.
                const char digit = CheckASCII(line.data[2 * static_cast<std::size_t>(n) + 1]);
                if (digit == '-')
                    return Step::Fail;
                work[static_cast<std::size_t>(wide ? at - start : (at - start) / 2)] = digit;
                if (taken)
                    ++*taken;
            }
            return Step::Next;
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
    const std::pair<int, int> window = ConfigWindow(chip);
    const int from = window.first;
    const int to = window.second; // the first byte past the window
    // A later record may still overwrite a byte, so the walk goes on to the
    // end line; lines that run out after the window's last byte are no fault.
    bool complete = false;
    return WalkDataRecords(
        lines,
        [&](const HexLine& line, int first) {
            if (LastByte(line, first) < from || first >= to)
                return Step::Next;
            if (!DataMatchesCount(line))
                return Step::Fail;
            for (int n = 0; n < line.count; ++n) {
                const int at = first + n;
                if (at < from)
                    continue;
                if (at >= to)
                    break;
                const int value = ByteAt(line.data, n);
                if (value < 0)
                    return Step::Fail;
                const auto k = static_cast<std::size_t>((at - from) / 2 + 1);
                PutByte(image.FuseValue[k], at, value);
                image.FuseValue[k] &= chip.FuseBlank[k];
                complete = complete || at == to - 1;
                if (taken)
                    ++*taken;
            }
            return Step::Next;
        },
        [&] { return complete; });
}

namespace {

// The windows of the chip, as [first byte, past the last) of the extractors'
// address map.
std::vector<std::pair<int, int>> WindowsOf(const ChipRecord& chip) {
    std::vector<std::pair<int, int>> windows;
    if (chip.HasProgramMemory())
        windows.emplace_back(0, 2 * chip.ROMSize);
    if (chip.FlashChip && chip.Family() == Core::WideByteHex)
        windows.emplace_back(2 * 0xF0000, 2 * 0xF0000 + chip.EEPROMSize);
    else if (chip.FlashChip)
        windows.emplace_back(2 * 0x2100, 2 * (0x2100 + chip.EEPROMSize));
    windows.emplace_back(IDWindowStart(chip), IDWindowStart(chip) + 8);
    if (chip.HasProgramMemory())
        windows.push_back(ConfigWindow(chip));
    return windows;
}

// An erased word of some memory: 0xFFF, 0x3FFF, 0xFFFF, or 0x00FF (an erased
// EEPROM byte in its word). Not loading it loses nothing: the blank fill past
// the lists' ends in our own saved files, or a configuration word the chip
// record does not keep, left erased by the assembler.
bool IsErasedWord(int low, int high) {
    return low == 0xFF && (high == 0x00 || high == 0x0F || high == 0x3F || high == 0xFF);
}

// Byte n of the record belongs to an erased word; a half the record lacks
// counts as erased. (Segments start at even addresses.)
bool InErasedWord(const HexLine& line, int n) {
    const bool high = ((line.address + n) & 1) != 0;
    const int partner = high ? n - 1 : n + 1;
    const int other = partner >= 0 && partner < line.count ? ByteAt(line.data, partner) : -1;
    const int self = ByteAt(line.data, n);
    return high ? IsErasedWord(other < 0 ? 0xFF : other, self)
                : IsErasedWord(self, other < 0 ? 0x00 : other);
}

} // namespace

int BytesOutsideChip(const std::vector<std::string>& lines, const ChipRecord& chip) {
    const std::vector<std::pair<int, int>> windows = WindowsOf(chip);
    const auto inside = [&](int at) {
        return std::any_of(windows.begin(), windows.end(), [&](const std::pair<int, int>& w) {
            return at >= w.first && at < w.second;
        });
    };
    int outside = 0;
    WalkDataRecords(
        lines,
        [&](const HexLine& line, int first) {
            for (int n = 0; DataMatchesCount(line) && n < line.count; ++n) {
                if ((first == kNoPlace || !inside(first + n)) && !InErasedWord(line, n))
                    ++outside;
            }
            return Step::Next;
        },
        [] { return true; }, true);
    return outside;
}
