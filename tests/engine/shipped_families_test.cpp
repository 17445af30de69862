// One chip of every family of the shipped chip file through the engine and the
// simulated board: program, verify, and Read Chip Info naming the record's ID.
#include "engine/engine_rig.h"
#include "engine/rig_steps.h"

#include "chipdb/hex_text.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// One member of each family of the generator, the largest where sizes differ
// (of the serial EEPROMs the largest a 16-bit transfer count can carry).
const char* const kFamilySamples[] = {
    "24C256",  "12F510",  "16F54",   "12C509A", "16F84A",  "16F627",  "16F648A", "16F630",
    "16F688",  "16F819",  "16F87",   "16F877",  "16F874A", "16F886",  "16F77",   "16F716",
    "16F777",  "16F917",  "18F458",  "18F4320", "18F1330", "18F4431", "18F4321", "18F2520",
    "18F4620", "18F4450", "18F4550", "18F4553", "18F4580", "18F4680",
};

// A little of every memory the chip has, and the chip's own calibration kept.
void FillImage(EngineRig& rig) {
    rig.BlankImage();
    for (std::size_t i = 0; i < 0x40 && i < rig.image.ROMData.size(); ++i)
        rig.image.ROMData[i] = int(i * 0x135 + 7) & rig.chip.WordMask;
    for (std::size_t i = 0; i < rig.image.EEPROMData.size(); i += 97)
        rig.image.EEPROMData[i] = int(i * 37 + 1) & 0xFF;
    if (rig.chip.CalWord)
        rig.image.ROMData[std::size_t(rig.chip.ROMSize - 1)] = rig.board.chip().CalibrationWord();
    if (rig.chip.BandGap)
        rig.image.FuseValue[1] =
            (rig.image.FuseValue[1] & 0x0FFF) | (rig.board.chip().Config(0) & 0x3000);
}

TEST(ShippedFamilies, ProgramVerifyAndReadChipInfo) {
    for (const char* name : kFamilySamples) {
        SCOPED_TRACE(name);
        EngineRig rig(name);
        FillImage(rig);
        ProgramChip(rig);
        if (rig.chip.ROMSize > 0) { // a serial EEPROM is checked by the program's read-back
            VerifyChip(rig);
            EXPECT_EQ(rig.board.chip().Rom(0x3F), rig.image.ROMData[0x3F]);
        }
        const int lastByte = rig.chip.EEPROMSize - 1;
        if (lastByte >= 0) {
            EXPECT_EQ(rig.board.chip().Eeprom(lastByte), rig.image.EEPROMData.back());
        }
        if (rig.chip.ChipID == 0xFFFF)
            continue; // no device ID to report
        rig.engine.ReadChipInfo();
        rig.Run();
        EXPECT_EQ(rig.TakeTexts(), Texts{"[" + std::string(name) + "]   Version 0\r\rChip ID = " +
                                         HexOfValue(rig.chip.ChipID, 4)});
    }
}

} // namespace
