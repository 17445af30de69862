#include "image/hex_save.h"

#include "chipdb/hex_text.h"
#include "image/hex_scan.h"
#include "platform/text_file.h"

#include <algorithm>
#include <span>

namespace {

constexpr int kAddressLimit = 0x10000; // a 4-digit record address holds less
constexpr int kWordsPerRecord = 8;
constexpr const char* kEndLine = ":00000001FF";

using Lines = std::vector<std::string>;

std::string Byte(int v) {
    return HexOfValue(v & 0xFF, 2);
}
std::string WordLowFirst(int v) {
    return Byte(v) + Byte(v >> 8);
}

void AppendByte(std::string& body, int v) {
    body += ToHex((v >> 4) & 0xF);
    body += ToHex(v & 0xF);
}

void AddRecord(Lines& lines, const std::string& body) {
    lines.push_back(":" + body + CheckSum(body));
}

// The ID digits upper-cased; nothing when one is not a hex digit.
std::optional<std::string> IDDigits(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += CheckASCII(c);
        if (out.back() == '-')
            return std::nullopt;
    }
    return out;
}

// Records of 8 entries from `base`, 2 file bytes per entry: a program word low
// byte first, or an EEPROM byte and 0. Past the end of the list a record is
// filled with `filler`. An address the record cannot hold is fine only for
// entries beyond the chip (`chipEntries`), which are left out.
bool AddWordRecords(Lines& lines, std::span<const int> list, int base, int chipEntries, int filler,
                    bool bytesOnly) {
    lines.reserve(lines.size() + list.size() / kWordsPerRecord + 8);
    for (std::size_t i = 0; i < list.size(); i += kWordsPerRecord) {
        const int address = base + 2 * static_cast<int>(i);
        if (address >= kAddressLimit) {
            if (static_cast<int>(i) < chipEntries)
                return false;
            break;
        }
        std::string body = "10" + HexOfValue(address, 4) + "00";
        body.reserve(8 + 4 * kWordsPerRecord);
        for (std::size_t k = i; k < i + kWordsPerRecord; ++k) {
            const int v = k < list.size() ? list[k] : filler;
            AppendByte(body, v);
            AppendByte(body, bytesOnly && k < list.size() ? 0 : v >> 8);
        }
        AddRecord(lines, body);
    }
    return true;
}

} // namespace

std::string CheckSum(const std::string& body) {
    int sum = 0;
    for (std::size_t i = 0; i + 1 < body.size(); i += 2)
        sum += HexDigitValue(body[i]) * 16 + HexDigitValue(body[i + 1]);
    return HexOfValue((256 - (sum % 256 + 256) % 256) % 256, 2);
}

std::optional<Lines> SaveINHX8MFile(const MemoryImage& image, const ChipRecord& chip,
                                    const std::string& idText) {
    Lines lines;
    const int romFiller = chip.IsBaseline() ? kWordMask12 : kWordMask14;
    // A 12-bit core's ID words follow program memory at once: the blank entry
    // past the chip would only be a second record at the ID's address.
    std::span<const int> words = image.ROMData;
    if (chip.IsBaseline())
        words = words.first(std::min(words.size(), static_cast<std::size_t>(chip.ROMSize)));
    if (!AddWordRecords(lines, words, 0, chip.ROMSize, romFiller, false))
        return std::nullopt;
    if (chip.HasProgramMemory()) {
        // The box keeps 4 digits; a shorter text reads as padded with "F" on the left.
        const auto id = IDDigits(std::string(4 - std::min<std::size_t>(idText.size(), 4), 'F') +
                                 idText.substr(0, 4));
        if (!id)
            return std::nullopt;
        std::string body =
            "08" + HexOfValue(chip.IsBaseline() ? 2 * chip.ROMSize : 0x4000, 4) + "00";
        for (char c : *id)
            body += std::string("0") + c + "00";
        AddRecord(lines, body);
    }
    if (!chip.IsBaseline() &&
        !AddWordRecords(lines, image.EEPROMData, 0x4200, chip.EEPROMSize, 0x00FF, true))
        return std::nullopt;
    if (chip.HasProgramMemory())
        AddRecord(lines,
                  (chip.IsBaseline() ? "021FFE00" : "02400E00") + WordLowFirst(image.FuseValue[1]));
    lines.push_back(kEndLine);
    return lines;
}

std::optional<Lines> SaveINHX32File(const MemoryImage& image, const ChipRecord& chip,
                                    std::string& idText) {
    if (idText.size() < 8)
        idText = std::string(8 - idText.size(), 'F') + idText;
    const auto id = IDDigits(idText.substr(0, 8));
    if (!id)
        return std::nullopt;
    Lines lines{":020000040000FA"};
    if (!AddWordRecords(lines, image.ROMData, 0, chip.ROMSize, 0xFFFF, false))
        return std::nullopt;
    lines.push_back(":020000040020DA");
    std::string body = "08000000";
    for (char c : *id)
        body += std::string("0") + c;
    AddRecord(lines, body);
    lines.push_back(":020000040030CA");
    // All seven configuration words: a file that kept four would lose the
    // protection words 5 to 7 of a chip read back and saved.
    body = "0E000000";
    for (int i = 1; i <= 7; ++i)
        body += WordLowFirst(image.FuseValue[i]);
    AddRecord(lines, body);
    // The data EEPROM where the loader finds it for these chips, a byte per
    // file byte, so that a chip read and saved keeps its EEPROM too.
    if (chip.Family() == Core::WideByteHex && chip.EEPROMSize > 0 && !image.EEPROMData.empty()) {
        lines.push_back(":0200000400F00A");
        const std::size_t count =
            std::min(image.EEPROMData.size(), static_cast<std::size_t>(chip.EEPROMSize));
        for (std::size_t i = 0; i < count; i += 16) {
            const std::size_t n = std::min<std::size_t>(16, count - i);
            body = HexOfValue(static_cast<int>(n), 2) + HexOfValue(static_cast<int>(i), 4) + "00";
            for (std::size_t k = i; k < i + n; ++k)
                AppendByte(body, image.EEPROMData[k]);
            AddRecord(lines, body);
        }
    }
    lines.push_back(kEndLine);
    return lines;
}

bool SaveHexFile(const std::string& fileName, const MemoryImage& image, const ChipRecord& chip,
                 std::string& idText) {
    const auto lines =
        chip.IsWide() ? SaveINHX32File(image, chip, idText) : SaveINHX8MFile(image, chip, idText);
    if (!lines)
        return false;
    return WriteFileReplacing(fileName, JoinLinesCRLF(*lines)).empty();
}
