#pragma once

// Every byte of a HEX file against what a chip holds, window by window, as
// the chip's memories keep them: program words and configuration words within
// the core's width, one EEPROM byte (in its word's low byte below the 16-bit
// cores), one ID digit per location. The chip's own calibration word and
// bandgap bits stay the chip's where the file leaves them blank.

#include "corpus/corpus.h"
#include "corpus/hex_shapes.h"

#include <functional>

#include <gtest/gtest.h>

namespace corpus {

// What the chip holds, however it is reached (an image read back, the
// simulated chip itself).
struct ChipHolds {
    std::function<int(int)> rom;     // program word
    std::function<int(int)> eeprom;  // data EEPROM byte
    std::function<int(int)> idDigit; // the digit (0..15) of ID location n
    std::function<int(int)> config;  // configuration word k, 1..7
    int factoryCalibration = -1;     // the chip's calibration word, -1 for none
    int factoryBandGap = 0;          // its bandgap bits, 0 for none
};

inline void ExpectByteOnChip(const ChipRecord& chip, const ChipHolds& holds, long address,
                             int value) {
    const bool wide = chip.IsWide();
    const long id = IdStart(chip);
    const long config = ConfigStart(chip);
    const long eeprom = wide ? 0xF00000 : 0x4200;
    const int step = wide ? 1 : 2; // below 16-bit cores a byte sits in its word's low byte
    if (address >= id && address < id + 8) {
        if ((address - id) % step == 0) {
            EXPECT_EQ(holds.idDigit(static_cast<int>((address - id) / step)), value & 0xF)
                << "ID byte at 0x" << std::hex << address;
        }
    } else if (address >= config && address < config + ConfigBytes(chip)) {
        const auto k = static_cast<int>((address - config) / 2 + 1);
        const int shift = (address & 1) * 8;
        int expected = value & (chip.FuseBlank[static_cast<std::size_t>(k)] >> shift);
        // Bandgap bits the file leaves blank are the chip's own.
        if (holds.factoryBandGap != 0 && k == 1 && shift == 8 && (value & 0x30) == 0x30)
            expected = (expected & ~0x30) | (holds.factoryBandGap >> 8);
        EXPECT_EQ((holds.config(k) >> shift) & 0xFF, expected)
            << "configuration byte at 0x" << std::hex << address;
    } else if (address >= eeprom && address < eeprom + step * chip.EEPROMSize) {
        if ((address - eeprom) % step == 0) {
            EXPECT_EQ(holds.eeprom(static_cast<int>((address - eeprom) / step)), value)
                << "EEPROM byte at 0x" << std::hex << address;
        }
    } else {
        ADD_FAILURE() << "byte outside the chip at 0x" << std::hex << address;
    }
}

inline void ExpectFileOnChip(const ChipRecord& chip, const ChipHolds& holds,
                             const std::map<long, int>& bytes) {
    for (const auto& [word, value] : ProgramWords(bytes, chip.ROMSize, chip.WordMask)) {
        if (chip.CalWord && word == chip.ROMSize - 1)
            continue; // the chip's own, below
        EXPECT_EQ(holds.rom(word), value) << "program word " << word;
    }
    for (const auto& [address, value] : bytes) {
        if (address >= 2L * chip.ROMSize)
            ExpectByteOnChip(chip, holds, address, value);
    }
    if (chip.CalWord) {
        EXPECT_EQ(holds.rom(chip.ROMSize - 1), holds.factoryCalibration);
    }
}

} // namespace corpus
