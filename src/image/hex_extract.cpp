#include "image/hex_extract.h"

#include "image/hex_scan.h"

#include <string_view>

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

enum class Step { Next, Done, Fail };

// Walks the data records of the ROM, EEPROM and configuration windows. Every
// file byte has a byte address in the same map as the words' keys: a segment
// record folds into the key's top (S × 4096 AND 0xFF0000, a word key), so the
// record's first byte lies at twice that plus its address A, and byte address
// DIV 2 is the key of the word that byte belongs to. The end line is success;
// a malformed line is failure, and so are lines that run out first unless
// `ranOutOk` says the window is complete.
template <class Visit, class RanOutOk>
bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit, RanOutOk ranOutOk) {
    int fold = 0;
    for (const std::string& text : lines) {
        const HexLine line = ClassifyHexLine(text);
        if (line.kind == HexLineKind::End)
            return true;
        if (line.kind == HexLineKind::Segment) {
            fold = (line.segment * kSegmentScale) & kSegmentFold;
            continue;
        }
        if (line.kind == HexLineKind::Bad)
            return false;
        const Step step = visit(line, 2 * fold + line.address);
        if (step != Step::Next)
            return step == Step::Done;
    }
    return ranOutOk();
}

template <class Visit> bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit) {
    return WalkDataRecords(lines, visit, [] { return false; });
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
    if (chip.IsBaseline())
        return true;
    // A 16-bit core's digits are the bytes at 0x200000 (keyed by byte), a
    // 14-bit core's the low bytes of the words at 0x2000 (bytes 0x4000..0x4007).
    const bool wide = chip.IsWide();
    const int start = wide ? 0x20000 : 0x4000;
    const int last = start + 7;
    std::string work = "FFFFFFFF";
    int segmentBase = 0;
    for (const std::string& text : lines) {
        const HexLine line = ClassifyHexLine(text);
        if (line.kind == HexLineKind::End)
            break;
        if (line.kind == HexLineKind::Segment) {
            segmentBase = line.segment * kSegmentScale;
            continue;
        }
        if (line.kind == HexLineKind::Bad)
            return false;
        const int first = (wide ? segmentBase : 2 * segmentBase) + line.address;
        if (LastByte(line, first) < start)
            continue;
        if (first > last)
            break;
        if (!DataMatchesCount(line))
            return false;
        for (int n = 0; n < line.count; ++n) {
            const int at = first + n;
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
    }
    idText = wide ? work : work.substr(0, 4);
    return true;
}

bool NewExtractFuseData(const std::vector<std::string>& lines, const ChipRecord& chip,
                        MemoryImage& image, int* taken) {
    if (!chip.HasProgramMemory())
        return true;
    const bool wide = chip.IsWide();
    const int start = chip.IsBaseline() ? 0xFFF : (wide ? 0x30000 : 0x2007);
    const int words = wide ? 7 : 1;
    const int from = 2 * start;
    const int to = 2 * (start + words); // the first byte past the window
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
