#include "chip_info.h"

#include <cstdlib>
#include <map>

namespace boardsim {

namespace {

constexpr int kMaxHexDigits = 6;
constexpr int kFuseDigits = 4;
constexpr std::uint16_t kNoDeviceId = 0xFFFF;
constexpr long kMaxRomWords = 0x8000;
constexpr long kMaxEepromBytes = 0x10000;
// A new chip's oscillator calibration value (the middle of its range) sits in
// a MOVLW (12-bit) or RETLW (14-bit) instruction in the last program word.
constexpr int kFactoryOscal = 0x80;
constexpr int kMovlw = 0x0C00;
constexpr int kRetlw = 0x3400;

// Upper case, and only the printable characters 33..127 kept.
std::string Normalise(const std::string& line) {
    std::string out;
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 33 && u <= 127) {
            out += (u >= 'a' && u <= 'z') ? static_cast<char>(u - 32) : static_cast<char>(u);
        }
    }
    return out;
}

bool ParseHex(const std::string& text, long& value) {
    if (text.empty() || text.size() > kMaxHexDigits ||
        text.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
        return false;
    }
    value = std::strtol(text.c_str(), nullptr, 16);
    return true;
}

bool ParseInt(const std::string& text, long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

bool ParseFuseBlank(const std::string& text, bool sevenWords, ChipConfig& config) {
    long value = 0;
    if (!sevenWords) {
        if (!ParseHex(text, value)) {
            return false;
        }
        config.fuseBlank.fill(0xFFFF);
        config.fuseBlank[0] = static_cast<std::uint16_t>(value);
        return true;
    }
    if (text.size() < static_cast<std::size_t>(kFuseDigits * kConfigWords)) {
        return false;
    }
    for (int k = 0; k < kConfigWords; ++k) {
        if (!ParseHex(text.substr(static_cast<std::size_t>(k * kFuseDigits), kFuseDigits), value)) {
            return false;
        }
        config.fuseBlank[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(value);
    }
    return true;
}

// The key lines of the record starting at `first` (a CHIPNAME line), up to the next record.
std::map<std::string, std::string> RecordKeys(const std::vector<std::string>& lines,
                                              std::size_t first) {
    std::map<std::string, std::string> keys;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string line = Normalise(lines[i]);
        if (i > first && line.rfind("CHIPNAME=", 0) == 0) {
            break;
        }
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && line.rfind("LIST", 0) != 0) {
            keys.emplace(line.substr(0, eq), line.substr(eq + 1));
        }
    }
    return keys;
}

ChipInfoResult FromKeys(const std::map<std::string, std::string>& keys, const std::string& name) {
    ChipInfoResult result;
    auto value = [&](const char* key) {
        const auto it = keys.find(key);
        return it == keys.end() ? std::string() : it->second;
    };
    long coreType = 0;
    long rom = 0;
    long eeprom = 0;
    long chipId = 0;
    if (!ParseInt(value("CORETYPE"), coreType) || !ParseHex(value("ROMSIZE"), rom) ||
        !ParseHex(value("EEPROMSIZE"), eeprom) || !ParseHex(value("CHIPID"), chipId)) {
        result.error = "chip " + name + ": bad or missing CORETYPE, ROMSIZE, EEPROMSIZE or CHIPID";
        return result;
    }
    if (rom > kMaxRomWords || eeprom > kMaxEepromBytes) {
        result.error = "chip " + name + ": ROMSIZE or EEPROMSIZE too large";
        return result;
    }
    ChipConfig& config = result.config;
    config.name = name;
    config.core = CoreClassOf(static_cast<int>(coreType));
    config.romWords = config.core == CoreClass::SerialEeprom ? 0 : static_cast<int>(rom);
    config.eepromBytes = static_cast<int>(eeprom);
    if (!ParseFuseBlank(value("FUSEBLANK"), coreType == 1 || coreType == 2, config)) {
        result.error = "chip " + name + ": bad or missing FUSEBLANK";
        return result;
    }
    config.hasCalWord = value("CALWORD") == "Y";
    if (config.hasCalWord) {
        config.factoryCalibration =
            (config.core == CoreClass::Core12 ? kMovlw : kRetlw) | kFactoryOscal;
    }
    config.flash = value("FLASHCHIP") != "N";
    config.idWord =
        chipId == kNoDeviceId ? WordMaskOf(config.core) : static_cast<std::uint16_t>(chipId);
    result.ok = true;
    return result;
}

} // namespace

ChipInfoResult FindChipInfo(const std::vector<std::string>& lines, const std::string& name) {
    const std::string wanted = "CHIPNAME=" + Normalise(name);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Normalise(lines[i]) == wanted) {
            return FromKeys(RecordKeys(lines, i), Normalise(name));
        }
    }
    ChipInfoResult result;
    result.error = "chip " + name + " not found in the chip file";
    return result;
}

} // namespace boardsim
