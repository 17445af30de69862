#include "image/sqtp_file.h"

#include "image/hex_scan.h"
#include "platform/text_file.h"
#include "platform/translate.h"

#include <cstdio>
#include <optional>

namespace {

constexpr std::int64_t kEepromWords = 0x4200;   // a word per EEPROM byte, from word 0x2100
constexpr std::int64_t kEepromBytes = 0xF00000; // the byte-wide layout of 16-bit cores

// Where one byte of a record lands in the image.
struct Spot {
    bool rom = false;
    std::size_t index = 0; // program word or EEPROM byte
    int shift = 0;         // 8: the high byte of a program word
    bool dropped = false;  // the zero high byte of an EEPROM byte
};

std::optional<Spot> SpotOf(const ChipRecord& chip, std::int64_t at) {
    if (chip.HasProgramMemory() && at >= 0 && at < 2 * std::int64_t{chip.ROMSize})
        return Spot{true, static_cast<std::size_t>(at / 2), (at & 1) != 0 ? 8 : 0, false};
    if (chip.Family() == Core::WideByteHex) {
        if (at >= kEepromBytes && at < kEepromBytes + chip.EEPROMSize)
            return Spot{false, static_cast<std::size_t>(at - kEepromBytes), 0, false};
        return std::nullopt;
    }
    if (at >= kEepromWords && at < kEepromWords + 2 * std::int64_t{chip.EEPROMSize})
        return Spot{false, static_cast<std::size_t>((at - kEepromWords) / 2), 0, (at & 1) != 0};
    return std::nullopt;
}

int ByteOf(std::string_view data, int n) {
    return HexFieldValue(data.substr(static_cast<std::size_t>(2 * n), 2));
}

std::string Where(const SqtpFile& file) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(file.address));
    return text;
}

} // namespace

std::string ReadSqtpFile(const std::string& text, const std::string& name, SqtpFile& file) {
    file = {};
    std::int64_t base = 0;
    int number = 0;
    for (const std::string& line : SplitLines(text)) {
        ++number;
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const HexLine hex = ClassifyHexLine(line);
        if (hex.kind == HexLineKind::End)
            break;
        if (hex.kind == HexLineKind::Base)
            base = hex.base;
        if (hex.kind == HexLineKind::Bad ||
            (hex.kind == HexLineKind::Data && !DataMatchesCount(hex)))
            return Arg(N_("%1 line %2: not an SQTP record"), name, number);
        if (hex.kind != HexLineKind::Data || hex.count == 0)
            continue;
        std::vector<int> bytes;
        for (int n = 0; n < hex.count; ++n)
            bytes.push_back(ByteOf(hex.data, n));
        const std::int64_t at = base + hex.address;
        if (file.parts.empty())
            file.address = at;
        else if (at != file.address || bytes.size() != file.parts.front().size())
            return Arg(N_("%1 line %2: every SQTP record stands at one address with one length"),
                       name, number);
        file.parts.push_back(std::move(bytes));
    }
    if (file.parts.empty())
        return Arg(N_("%1 holds no SQTP records"), name);
    return {};
}

std::string CheckSqtpPlace(const SqtpFile& file, const ChipRecord& chip, const std::vector<int>& rom,
                           const std::vector<int>& eeprom) {
    if (file.parts.empty())
        return {};
    const std::size_t length = file.parts.front().size();
    for (std::size_t n = 0; n < length; ++n) {
        const std::optional<Spot> s = SpotOf(chip, file.address + static_cast<std::int64_t>(n));
        if (!s)
            return Arg(N_("the SQTP records at %1 lie outside the %2"), Where(file), chip.ChipName);
        if (s->rom && chip.CalWord && s->index + 1 == static_cast<std::size_t>(chip.ROMSize))
            return Arg(N_("the SQTP records at %1 would write over the calibration word"),
                       Where(file));
        const std::vector<int>& list = s->rom ? rom : eeprom;
        const int blank = s->rom ? chip.WordMask : 0xFF;
        const int mask = s->rom ? (0xFF << s->shift) & blank : 0xFF;
        const int value = s->index < list.size() ? list[s->index] : blank;
        if (!s->dropped && (value & mask) != (blank & mask))
            return Arg(N_("the SQTP records at %1 would write over the program's own data"),
                       Where(file));
    }
    return {};
}

ImagePatch SqtpPartPatch(const SqtpFile& file, std::size_t index, const ChipRecord& chip) {
    ImagePatch patch;
    const std::vector<int>& bytes = file.parts.at(index);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::optional<Spot> s = SpotOf(chip, file.address + static_cast<std::int64_t>(n));
        if (s && !s->dropped)
            patch.push_back({s->rom, s->index, bytes[n] << s->shift, 0xFF << s->shift});
    }
    return patch;
}

std::uint64_t SqtpPartValue(const SqtpFile& file, std::size_t index, const ChipRecord& chip) {
    std::uint64_t value = 0;
    int taken = 0;
    const std::vector<int>& bytes = file.parts.at(index);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::optional<Spot> s = SpotOf(chip, file.address + static_cast<std::int64_t>(n));
        // A RETLW's opcode byte and an EEPROM byte's zero high byte carry no value.
        if (!s || s->dropped || (s->rom && !chip.IsWide() && s->shift != 0))
            continue;
        if (++taken > 8)
            return index + 1;
        value = (value << 8) | static_cast<std::uint64_t>(bytes[n]);
    }
    return value;
}
