#include "disasm/disasm_listing.h"

#include "chipdb/hex_text.h"
#include "disasm/disassembly.h"
#include "image/code_listing.h"

#include <algorithm>

namespace {

// The address a data line starts with ("01F8: ..."), or -1 for a header or an
// empty line.
long LineAddress(const std::string& line) {
    long address = 0;
    std::size_t i = 0;
    for (; i < line.size() && line[i] != ':'; ++i) {
        const int digit = HexDigitValue(line[i]);
        if (digit < 0)
            return -1;
        address = address * 16 + digit;
    }
    return i > 0 && i < line.size() ? address : -1;
}

// The two parts of a listing: [0, eepromStart) program memory, the rest EEPROM.
std::size_t EepromStart(const std::vector<std::string>& lines) {
    for (std::size_t i = lines.size(); i-- > 0;)
        if (lines[i] == kEepromHeader)
            return i > 0 ? i - 1 : i; // with the empty line before it
    return lines.size();
}

} // namespace

std::vector<std::string> CreateDisassemblyCodeData(const MemoryImage& image,
                                                   const ChipRecord& chip) {
    const Disassembly code = Disassemble(chip, image.ROMData);
    if (code.lines.empty())
        return CreateCodeData(image, chip.WordMask);
    std::vector<std::string> out;
    out.reserve(code.lines.size() + image.EEPROMData.size() / 8 + 3);
    out.emplace_back(kRomHeader);
    for (const DisasmLine& line : code.lines)
        out.push_back(DisasmLineText(line, image.ROMData, code.set));
    AddEepromListing(out, image.EEPROMData);
    return out;
}

int ListingWordStep(const ChipRecord& chip, bool disassembly) {
    return disassembly && InstructionSetOf(chip) == InstructionSet::Pic18 ? 2 : 1;
}

ListingPlace PlaceOfLine(const std::vector<std::string>& lines, int line, int wordStep) {
    ListingPlace place;
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size())
        return place;
    const auto at = static_cast<std::size_t>(line);
    const std::size_t eeprom = EepromStart(lines);
    place.eeprom = at >= eeprom;
    const std::size_t start = place.eeprom ? eeprom : 0;
    std::size_t firstData = start;
    while (firstData < lines.size() && LineAddress(lines[firstData]) < 0)
        ++firstData;
    if (at < firstData) {
        place.entry = static_cast<long>(at) - static_cast<long>(firstData);
        return place;
    }
    place.entry = LineAddress(lines[at]) / (place.eeprom ? 1 : wordStep);
    return place;
}

int LineOfPlace(const std::vector<std::string>& lines, const ListingPlace& place, int wordStep) {
    const std::size_t eeprom = EepromStart(lines);
    const std::size_t start = place.eeprom ? eeprom : 0;
    const std::size_t end = place.eeprom ? lines.size() : eeprom;
    if (start >= end)
        return 0;
    std::size_t firstData = start;
    while (firstData < end && LineAddress(lines[firstData]) < 0)
        ++firstData;
    if (place.entry < 0) {
        const long back = static_cast<long>(firstData) + place.entry;
        return static_cast<int>(std::max(back, static_cast<long>(start)));
    }
    const long target = place.entry * (place.eeprom ? 1 : wordStep);
    const auto first = lines.begin() + static_cast<long>(firstData);
    const auto last = lines.begin() + static_cast<long>(end);
    const auto after = std::upper_bound(
        first, last, target, [](long t, const std::string& l) { return t < LineAddress(l); });
    return static_cast<int>(after == first ? firstData : (after - lines.begin()) - 1);
}
