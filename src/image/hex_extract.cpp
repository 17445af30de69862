#include "image/hex_extract.h"

#include "image/hex_scan.h"

#include <string_view>

namespace {

constexpr int kSegmentFold = 0xFF0000;
constexpr int kSegmentScale = 4096;
constexpr std::size_t kWordDigits = 4;

// A word is held low byte first: data characters 3, 4, 1, 2. -1 when fewer
// than four digits remain or they are not hex.
int WordAt(std::string_view data) {
    if (data.size() < kWordDigits)
        return -1;
    const int low = HexFieldValue(data.substr(0, 2));
    const int high = HexFieldValue(data.substr(2, 2));
    if (low < 0 || high < 0)
        return -1;
    return high * 256 + low;
}

void Put(std::vector<int>& list, int index, int value) {
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        list[static_cast<std::size_t>(index)] = value;
}

// Keys of the ROM, EEPROM and configuration windows: the running value keeps
// only its segment part and adds the record's word address.
int KeyOf(int running, const HexLine& line) {
    return (running & kSegmentFold) + line.address / 2;
}

void Drop(std::string_view& data, std::size_t n) {
    data.remove_prefix(n < data.size() ? n : data.size());
}

enum class Step { Next, Done, Fail };

// Walks the data records of the ROM, EEPROM and configuration windows. Segment
// records set the running value; each data record gets its key, and the running
// value then holds that key (a visitor may move it on). The end line is success;
// lines that run out first, or a malformed line, are failure.
template <class Visit> bool WalkDataRecords(const std::vector<std::string>& lines, Visit visit) {
    int running = 0;
    for (const std::string& text : lines) {
        const HexLine line = ClassifyHexLine(text);
        if (line.kind == HexLineKind::End)
            return true;
        if (line.kind == HexLineKind::Segment) {
            running = line.segment * kSegmentScale;
            continue;
        }
        if (line.kind == HexLineKind::Bad)
            return false;
        running = KeyOf(running, line);
        const Step step = visit(line, running);
        if (step != Step::Next)
            return step == Step::Done;
    }
    return false;
}

} // namespace

bool NewExtractROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                       MemoryImage& image) {
    if (chip.WordMask == 0xFF)
        return true;
    return WalkDataRecords(lines, [&](const HexLine& line, int& running) {
        int key = running;
        if (key > chip.ROMSize)
            return Step::Done; // the program memory part of the file is over
        if (!DataMatchesCount(line))
            return Step::Fail;
        std::string_view data = line.data;
        while (!data.empty()) {
            if (key >= chip.ROMSize)
                return Step::Done;
            const int word = WordAt(data);
            if (word < 0)
                return Step::Fail;
            Put(image.ROMData, key, word);
            running = ++key;
            Drop(data, kWordDigits);
        }
        return Step::Next;
    });
}

bool NewExtractEEPROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                          MemoryImage& image) {
    if (!chip.FlashChip)
        return true;
    const bool byteWide = chip.Family() == Core::WideByteHex;
    const int base = byteWide ? 0xF0000 : 0x2100;
    // One EEPROM byte per file byte, or per file word whose high byte is skipped.
    const std::size_t step = byteWide ? 2 : kWordDigits;
    return WalkDataRecords(lines, [&](const HexLine& line, int& running) {
        const int key = running;
        // A 16-bit core's window at 0x2100 can lie inside its program memory;
        // those keys are program words and never EEPROM bytes.
        if (key < base || (chip.WordMask != 0xFF && key < chip.ROMSize))
            return Step::Next;
        if (key >= base + chip.EEPROMSize)
            return Step::Done;
        if (!DataMatchesCount(line))
            return Step::Fail;
        int index = byteWide ? line.address : key - base;
        std::string_view data = line.data;
        while (!data.empty()) {
            if (index >= chip.EEPROMSize)
                return Step::Done;
            const int value = HexFieldValue(data.substr(0, 2));
            if (value < 0)
                return Step::Fail;
            Put(image.EEPROMData, index++, value);
            Drop(data, step);
        }
        return Step::Next;
    });
}

bool NewExtractIDData(const std::vector<std::string>& lines, const ChipRecord& chip,
                      std::string& idText) {
    if (chip.WordMask == 0xFFF)
        return true;
    const bool wide = chip.WordMask == 0xFFFF;
    const int start = wide ? 0x20000 : 0x2000;
    const int lastOffset = wide ? 7 : 0;
    const std::size_t step = wide ? 2 : kWordDigits;
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
        const int key = segmentBase + (chip.WordMask == 0x3FFF ? line.address / 2 : line.address);
        if (key < start)
            continue;
        if (key > start + lastOffset)
            break;
        if (!DataMatchesCount(line))
            return false;
        std::size_t position = static_cast<std::size_t>(key - start);
        for (std::string_view data = line.data; !data.empty(); Drop(data, step), ++position) {
            if (position >= work.size())
                continue;
            // The digit is the low nibble of the location's low byte.
            const char digit = data.size() >= 2 ? CheckASCII(data[1]) : '-';
            if (digit == '-')
                return false;
            work[position] = digit;
        }
    }
    idText = wide ? work : work.substr(0, 4);
    return true;
}

bool NewExtractFuseData(const std::vector<std::string>& lines, const ChipRecord& chip,
                        MemoryImage& image) {
    if (chip.WordMask == 0xFF)
        return true;
    const bool wide = chip.WordMask == 0xFFFF;
    const int start = chip.WordMask == 0xFFF ? 0xFFF : (wide ? 0x30000 : 0x2007);
    const int words = wide ? 7 : 1;
    return WalkDataRecords(lines, [&](const HexLine& line, int& running) {
        const int key = running;
        if (key < start || key >= start + words)
            return Step::Next;
        if (!DataMatchesCount(line))
            return Step::Fail;
        int i = key - start;
        for (std::string_view data = line.data; !data.empty(); Drop(data, kWordDigits), ++i) {
            const int word = WordAt(data);
            if (word < 0)
                return Step::Fail;
            image.FuseValue[i + 1] = word & chip.FuseBlank[i + 1];
            // Only the first word of a record counts below 16-bit cores.
            if (!wide || i == 6)
                return Step::Done;
        }
        return Step::Next;
    });
}
