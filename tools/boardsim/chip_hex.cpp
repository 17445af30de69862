#include "chip_hex.h"

#include "sim_system.h"

#include <fstream>

namespace boardsim {

namespace {

constexpr std::uint32_t kId8 = 0x4000;
constexpr std::uint32_t kEeprom8 = 0x4200;
constexpr std::uint32_t kConfig12 = 0x1FFE;
constexpr std::uint32_t kConfig14 = 0x400E;
constexpr std::uint32_t kId16 = 0x200000;
constexpr std::uint32_t kConfig16 = 0x300000;
constexpr std::uint32_t kEeprom16 = 0xF00000;
constexpr int kFileIdWords14 = 4;

// Where one memory of the chip sits in the file.
struct Layout {
    std::uint32_t id = 0;
    int idCount = 0;
    int idStride = 0;
    std::uint32_t eeprom = 0;
    int eepromStride = 0;
    std::uint32_t config = 0;
    int configCount = 0;
};

Layout LayoutOf(CoreClass core) {
    switch (core) {
    case CoreClass::SerialEeprom:
        return {0, 0, 0, kEeprom8, 2, 0, 0};
    case CoreClass::Core12:
        return {0, 0, 0, kEeprom8, 2, kConfig12, 1};
    case CoreClass::Core14:
        return {kId8, kFileIdWords14, 2, kEeprom8, 2, kConfig14, 1};
    case CoreClass::Core16:
        return {kId16, kIdBytes, 1, kEeprom16, 1, kConfig16, kConfigWords};
    }
    return {};
}

void PutWord(HexBytes& bytes, std::uint32_t address, std::uint16_t word) {
    bytes[address] = static_cast<std::uint8_t>(word & 0xFF);
    bytes[address + 1] = static_cast<std::uint8_t>(word >> 8);
}

// The word at a byte address; a missing high byte counts as 0, a missing low byte as absent.
bool GetWord(const HexBytes& bytes, std::uint32_t address, std::uint16_t& word) {
    const auto low = bytes.find(address);
    if (low == bytes.end()) {
        return false;
    }
    const auto high = bytes.find(address + 1);
    word = static_cast<std::uint16_t>(low->second | (high == bytes.end() ? 0 : high->second << 8));
    return true;
}

} // namespace

std::vector<std::string> DumpChipHex(const Chip& chip) {
    const ChipConfig& config = chip.config();
    const Layout layout = LayoutOf(config.core);
    HexBytes bytes;
    if (config.core != CoreClass::SerialEeprom) {
        for (int a = 0; a < config.romWords; ++a) {
            PutWord(bytes, 2 * static_cast<std::uint32_t>(a), chip.Rom(a));
        }
    }
    for (int i = 0; i < layout.idCount; ++i) {
        const std::uint32_t at = layout.id + static_cast<std::uint32_t>(i * layout.idStride);
        if (layout.idStride == 2) {
            PutWord(bytes, at, chip.Id(i));
        } else {
            bytes[at] = chip.Id(i);
        }
    }
    for (int a = 0; a < config.eepromBytes; ++a) {
        const std::uint32_t at =
            layout.eeprom + static_cast<std::uint32_t>(a * layout.eepromStride);
        if (layout.eepromStride == 2) {
            PutWord(bytes, at, chip.Eeprom(a));
        } else {
            bytes[at] = chip.Eeprom(a);
        }
    }
    for (int k = 0; k < layout.configCount; ++k) {
        PutWord(bytes, layout.config + 2 * static_cast<std::uint32_t>(k), chip.Config(k));
    }
    return WriteIntelHex(bytes, config.core == CoreClass::Core16);
}

ChipHexResult LoadChipHex(Chip& chip, const std::vector<std::string>& lines) {
    ChipHexResult result;
    HexReadResult file = ReadIntelHex(lines);
    if (!file.ok) {
        result.errorLine = file.errorLine;
        result.error = file.error;
        return result;
    }
    chip.Blank();
    const ChipConfig& config = chip.config();
    const Layout layout = LayoutOf(config.core);
    HexBytes& bytes = file.bytes;
    std::size_t used = 0;
    auto take = [&](std::uint32_t at, int stride, auto store) {
        std::uint16_t word = 0;
        if (GetWord(bytes, at, word)) {
            store(stride == 1 ? static_cast<std::uint16_t>(word & 0xFF) : word);
            used += bytes.count(at) + (stride == 2 ? bytes.count(at + 1) : 0);
        }
    };
    const int romWords = config.core == CoreClass::SerialEeprom ? 0 : config.romWords;
    for (int a = 0; a < romWords; ++a) {
        take(2 * static_cast<std::uint32_t>(a), 2, [&](std::uint16_t w) { chip.SetRom(a, w); });
    }
    for (int i = 0; i < layout.idCount; ++i) {
        take(layout.id + static_cast<std::uint32_t>(i * layout.idStride), layout.idStride,
             [&](std::uint16_t w) { chip.SetId(i, static_cast<std::uint8_t>(w & 0xFF)); });
    }
    for (int a = 0; a < config.eepromBytes; ++a) {
        take(layout.eeprom + static_cast<std::uint32_t>(a * layout.eepromStride),
             layout.eepromStride,
             [&](std::uint16_t w) { chip.SetEeprom(a, static_cast<std::uint8_t>(w & 0xFF)); });
    }
    for (int k = 0; k < layout.configCount; ++k) {
        take(layout.config + 2 * static_cast<std::uint32_t>(k), 2,
             [&](std::uint16_t w) { chip.SetConfig(k, w); });
    }
    result.ok = true;
    result.ignoredBytes = static_cast<int>(bytes.size() - used);
    return result;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(FilePath(path), std::ios::binary);
    if (!in) {
        return false;
    }
    lines.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(FilePath(path), std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << "\r\n";
    }
    out.flush();
    return static_cast<bool>(out);
}

} // namespace boardsim
