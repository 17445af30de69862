#pragma once

#include "wire_codes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace boardsim {

// Core class of a chip: how wide its program words are, or no program memory.
enum class CoreClass { SerialEeprom, Core12, Core14, Core16 };

// Width and erased value of one program word: 0xFF, 0xFFF, 0x3FFF or 0xFFFF.
std::uint16_t WordMaskOf(CoreClass core);
// Core class of a chip-file core type: 0 serial EEPROM, 1-2 16-bit, 4 12-bit, others 14-bit.
CoreClass CoreClassOf(int coreType);

struct ChipConfig {
    std::string name = "16F84A";
    CoreClass core = CoreClass::Core14;
    int romWords = 0x400;
    int eepromBytes = 0x40;
    // Chip identification word as ReadConfig reports it: device ID plus revision.
    std::uint16_t idWord = 0x0560;
    std::array<std::uint16_t, kConfigWords> fuseBlank{0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                                      0xFFFF, 0xFFFF, 0xFFFF};
    // The last program word holds the oscillator calibration instruction.
    bool hasCalWord = false;
    // What the factory put there (MOVLW or RETLW of the calibration value);
    // -1: the chip comes erased, as a hand-built test chip does.
    int factoryCalibration = -1;
    // Electrically erasable; a chip that is not can only clear bits when written.
    bool flash = true;
};

// The chip in the board's socket: its memories as the chip itself holds them.
// Addresses outside a memory read as erased and writes there are dropped.
class Chip {
public:
    explicit Chip(ChipConfig config = {});

    const ChipConfig& config() const { return config_; }
    std::uint16_t WordMask() const { return WordMaskOf(config_.core); }

    std::uint16_t Rom(int address) const;
    std::uint8_t Eeprom(int address) const;
    std::uint8_t Id(int index) const;
    std::uint16_t Config(int index) const; // index 0..6 for configuration words 1..7
    // The calibration word: the last program word on chips that have one, else erased.
    std::uint16_t CalibrationWord() const;

    // Set contents directly (loading a HEX file, tests).
    void SetRom(int address, std::uint16_t value);
    void SetEeprom(int address, std::uint8_t value);
    void SetId(int index, std::uint8_t value);
    void SetConfig(int index, std::uint16_t value);

    // Programming through the board: a chip that is not flash can only clear bits.
    void WriteRom(int address, std::uint16_t value);
    void WriteEeprom(int address, std::uint8_t value);
    void WriteId(int index, std::uint8_t value);
    void WriteConfig(int index, std::uint16_t value);
    void WriteCalibrationWord(std::uint16_t value);

    // Bulk erase: everything erased, the calibration word included. Only flash chips erase.
    void Erase();
    // Every memory to its erased state, whatever the chip's technology.
    void Blank();
    // The factory calibration word, as a new chip holds it. (Factory bandgap
    // bits are part of the blank configuration word.)
    void RestoreFactoryCalibration();

private:
    std::uint16_t Merge(std::uint16_t old, std::uint16_t value, std::uint16_t mask) const;

    ChipConfig config_;
    std::vector<std::uint16_t> rom_;
    std::vector<std::uint8_t> eeprom_;
    std::array<std::uint8_t, kIdBytes> id_{};
    std::array<std::uint16_t, kConfigWords> config_words_{};
};

} // namespace boardsim
