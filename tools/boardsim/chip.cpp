#include "chip.h"

#include <algorithm>

namespace boardsim {

namespace {
constexpr std::uint8_t kBlankByte = 0xFF;

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}
} // namespace

std::uint16_t WordMaskOf(CoreClass core) {
    switch (core) {
    case CoreClass::SerialEeprom:
        return 0xFF;
    case CoreClass::Core12:
        return 0x0FFF;
    case CoreClass::Core14:
        return 0x3FFF;
    case CoreClass::Core16:
        return 0xFFFF;
    }
    return 0xFFFF;
}

CoreClass CoreClassOf(int coreType) {
    switch (coreType) {
    case 0:
        return CoreClass::SerialEeprom;
    case 1:
    case 2:
        return CoreClass::Core16;
    case 4:
        return CoreClass::Core12;
    default:
        return CoreClass::Core14;
    }
}

Chip::Chip(ChipConfig config) : config_(std::move(config)) {
    const int romWords = config_.core == CoreClass::SerialEeprom ? 0 : config_.romWords;
    rom_.resize(static_cast<std::size_t>(std::max(0, romWords)));
    eeprom_.resize(static_cast<std::size_t>(std::max(0, config_.eepromBytes)));
    Blank();
    RestoreFactoryCalibration();
}

std::uint16_t Chip::Rom(int address) const {
    return InRange(address, rom_.size()) ? rom_[static_cast<std::size_t>(address)] : WordMask();
}

std::uint8_t Chip::Eeprom(int address) const {
    return InRange(address, eeprom_.size()) ? eeprom_[static_cast<std::size_t>(address)]
                                            : kBlankByte;
}

std::uint8_t Chip::Id(int index) const {
    return InRange(index, id_.size()) ? id_[static_cast<std::size_t>(index)] : kBlankByte;
}

std::uint16_t Chip::Config(int index) const {
    // Only 16-bit cores have more than one configuration word; the board reads
    // the words a chip does not have as 0xFFFF.
    const int words = config_.core == CoreClass::Core16 ? kConfigWords : 1;
    return index >= 0 && index < words ? config_words_[static_cast<std::size_t>(index)] : 0xFFFF;
}

std::uint16_t Chip::CalibrationWord() const {
    if (!config_.hasCalWord || rom_.empty()) {
        return WordMask();
    }
    return rom_.back();
}

void Chip::SetRom(int address, std::uint16_t value) {
    if (InRange(address, rom_.size())) {
        rom_[static_cast<std::size_t>(address)] = value & WordMask();
    }
}

void Chip::SetEeprom(int address, std::uint8_t value) {
    if (InRange(address, eeprom_.size())) {
        eeprom_[static_cast<std::size_t>(address)] = value;
    }
}

void Chip::SetId(int index, std::uint8_t value) {
    if (InRange(index, id_.size())) {
        id_[static_cast<std::size_t>(index)] = value;
    }
}

void Chip::SetConfig(int index, std::uint16_t value) {
    if (InRange(index, config_words_.size())) {
        config_words_[static_cast<std::size_t>(index)] = value & WordMask();
    }
}

std::uint16_t Chip::Merge(std::uint16_t old, std::uint16_t value, std::uint16_t mask) const {
    // Programming a cell that cannot be erased electrically only turns ones into zeros.
    return static_cast<std::uint16_t>((config_.flash ? value : (old & value)) & mask);
}

void Chip::WriteRom(int address, std::uint16_t value) {
    SetRom(address, Merge(Rom(address), value, WordMask()));
}

void Chip::WriteEeprom(int address, std::uint8_t value) {
    SetEeprom(address, static_cast<std::uint8_t>(Merge(Eeprom(address), value, 0xFF)));
}

void Chip::WriteId(int index, std::uint8_t value) {
    SetId(index, static_cast<std::uint8_t>(Merge(Id(index), value, 0xFF)));
}

void Chip::WriteConfig(int index, std::uint16_t value) {
    SetConfig(index, Merge(Config(index), value, WordMask()));
}

void Chip::WriteCalibrationWord(std::uint16_t value) {
    if (config_.hasCalWord && !rom_.empty()) {
        WriteRom(static_cast<int>(rom_.size()) - 1, value);
    }
}

void Chip::Erase() {
    if (config_.flash) {
        Blank();
    }
}

void Chip::Blank() {
    std::fill(rom_.begin(), rom_.end(), WordMask());
    std::fill(eeprom_.begin(), eeprom_.end(), kBlankByte);
    id_.fill(kBlankByte);
    for (std::size_t k = 0; k < config_words_.size(); ++k) {
        config_words_[k] = config_.fuseBlank[k] & WordMask();
    }
}

void Chip::RestoreFactoryCalibration() {
    if (config_.hasCalWord && config_.factoryCalibration >= 0 && !rom_.empty()) {
        rom_.back() = static_cast<std::uint16_t>(config_.factoryCalibration) & WordMask();
    }
}

} // namespace boardsim
