#include "image/code_listing.h"

#include "chipdb/hex_text.h"

namespace {

constexpr int kValuesPerLine = 8;
constexpr int kFirstRowY = 5;

template <typename Column>
void AddSection(std::vector<std::string>& out, const std::vector<int>& values, Column column) {
    std::string line = "0000: ";
    std::string ascii;
    int address = 0;
    int n = 0;
    for (int v : values) {
        line += column(v);
        ascii += ListingChar(v);
        if (++n == kValuesPerLine) {
            out.push_back(line + "   " + ascii);
            address += kValuesPerLine;
            line = HexOfValue(address, 4) + ": ";
            ascii.clear();
            n = 0;
        }
    }
}

} // namespace

std::string WordColumn(int value, int wordMask) {
    std::string digits = HexOfValue(value, 4);
    if (wordMask == 0xFFF)
        digits[0] = ' ';
    return digits + " ";
}

std::string ByteColumn(int value) {
    return "  " + HexOfValue(value, 2) + " ";
}

char ListingChar(int value) {
    const int low = value & 0xFF;
    return low >= 32 && low <= 127 ? static_cast<char>(low) : '.';
}

std::vector<std::string> CreateCodeData(const MemoryImage& image, int wordMask) {
    std::vector<std::string> out;
    out.reserve((image.ROMData.size() + image.EEPROMData.size()) / kValuesPerLine + 3);
    if (!image.ROMData.empty()) {
        out.emplace_back(kRomHeader);
        AddSection(out, image.ROMData, [wordMask](int v) { return WordColumn(v, wordMask); });
    }
    AddEepromListing(out, image.EEPROMData);
    return out;
}

void AddEepromListing(std::vector<std::string>& out, const std::vector<int>& eeprom) {
    if (eeprom.empty())
        return;
    out.emplace_back();
    out.emplace_back(kEepromHeader);
    AddSection(out, eeprom, ByteColumn);
}

int CodeScrollMax(const std::vector<std::string>& codeLines) {
    const int lines = static_cast<int>(codeLines.size());
    return lines > kCodeRows ? lines - kCodeRows : 0;
}

int CodeRowAt(int y) {
    const int row = (y - kFirstRowY) / kCodeRowHeight;
    return row < 0 ? 0 : row >= kCodeRows ? kCodeRows - 1 : row;
}

std::array<CodePageRow, kCodeRows> CodePage(const std::vector<std::string>& codeLines,
                                            int position) {
    std::array<CodePageRow, kCodeRows> page;
    for (int r = 0; r < kCodeRows; ++r) {
        const long i = static_cast<long>(position) + r;
        std::string s = i >= 0 && static_cast<std::size_t>(i) < codeLines.size()
                            ? codeLines[static_cast<std::size_t>(i)]
                            : std::string();
        if (s.size() < kCodeLineLength)
            s.resize(kCodeLineLength, ' ');
        CodePageRow& row = page[static_cast<std::size_t>(r)];
        row.y = kCodeRowHeight * r + kFirstRowY;
        // "ROM DATA" and "EEPROM DATA" have "M" or "P" as their third character.
        row.header = s[2] == 'M' || s[2] == 'P';
        if (row.header) {
            row.text = s;
            row.textX = kCodeHeaderX;
        } else {
            row.gutter = " " + s.substr(0, 5);
            row.text = s.substr(5);
        }
    }
    return page;
}
