// Programs assembled by gputils, programmed through the engine into the
// simulated board, verified and read back: every byte of the assembler's file
// must be on the chip, and a chip's factory calibration must stay its own.
#include "corpus/corpus.h"
#include "engine/engine_rig.h"
#include "engine/rig_steps.h"

#include "chipdb/hex_text.h"
#include "image/hex_load.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

namespace {

// One byte of the file outside program memory, against the image read back.
void ExpectByteOnChip(const EngineRig& rig, long address, int value) {
    const ChipRecord& chip = rig.chip;
    const bool wide = chip.IsWide();
    const long id = wide ? 0x200000 : 0x4000;
    const long config = wide ? 0x300000 : chip.IsBaseline() ? 0x1FFE : 0x400E;
    const long eeprom = wide ? 0xF00000 : 0x4200;
    const int step = wide ? 1 : 2; // below 16-bit cores a byte sits in its word's low byte
    if (address >= id && address < id + 8 && !chip.IsBaseline()) {
        if ((address - id) % step == 0) {
            EXPECT_EQ(HexDigitValue(rig.id[std::size_t((address - id) / step)]), value & 0xF)
                << "ID byte at 0x" << std::hex << address;
        }
    } else if (address >= config && address < config + (wide ? 14 : 2)) {
        const auto k = std::size_t((address - config) / 2 + 1);
        const int shift = (address & 1) * 8;
        int expected = value & (chip.FuseBlank[k] >> shift);
        // Bandgap bits the file leaves blank are the chip's own.
        if (chip.BandGap && k == 1 && shift == 8 && (value & 0x30) == 0x30)
            expected = (expected & ~0x30) | (kFactoryBandGap >> 8);
        EXPECT_EQ((rig.image.FuseValue[k] >> shift) & 0xFF, expected)
            << "configuration byte at 0x" << std::hex << address;
    } else if (address >= eeprom && address < eeprom + step * chip.EEPROMSize) {
        if ((address - eeprom) % step == 0) {
            EXPECT_EQ(rig.image.EEPROMData[std::size_t((address - eeprom) / step)], value)
                << "EEPROM byte at 0x" << std::hex << address;
        }
    } else {
        ADD_FAILURE() << "byte outside the chip at 0x" << std::hex << address;
    }
}

void ExpectFileOnChip(const EngineRig& rig, const std::map<long, int>& bytes) {
    const ChipRecord& chip = rig.chip;
    for (const auto& [word, value] : corpus::ProgramWords(bytes, chip.ROMSize, chip.WordMask)) {
        EXPECT_EQ(rig.image.ROMData[std::size_t(word)], value) << "program word " << word;
    }
    for (const auto& [address, value] : bytes) {
        if (address >= 2L * chip.ROMSize)
            ExpectByteOnChip(rig, address, value);
    }
    if (chip.CalWord) {
        EXPECT_EQ(rig.image.ROMData[std::size_t(chip.ROMSize - 1)],
                  rig.board.chip().config().factoryCalibration);
    }
}

class GpasmCorpus : public ::testing::TestWithParam<corpus::Program> {
protected:
    GpasmCorpus()
        : folder(std::filesystem::temp_directory_path() /
                 ("tessaro-corpus-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
    }
    ~GpasmCorpus() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder;
};

} // namespace

TEST_P(GpasmCorpus, ProgramsVerifiesAndReadsBackEveryByte) {
    SKIP_ON_WINDOWS("gpasm runs at test time: Wine starts a Linux program but does not wait");
    const corpus::Program& p = GetParam();
    for (const char* format : corpus::FormatsFor(p)) {
        SCOPED_TRACE(format);
        const std::string hex = corpus::Assemble(p, format, folder);
        ASSERT_FALSE(hex.empty()) << "gputils failed or is missing (scripts/deps installs it)";
        const std::map<long, int> bytes = corpus::DataBytes(hex);
        ASSERT_FALSE(bytes.empty());
        const bool bandGap = ShippedChip(p.chip).BandGap;
        EngineRig rig(p.chip, boardsim::Model::Birch_A,
                      [&](boardsim::ChipConfig& c) { FactoryValues(c, bandGap); });
        rig.BlankImage();
        const HexLoadResult loaded = LoadTheHexFile(hex, rig.chip, rig.image, rig.id, nullptr);
        ASSERT_TRUE(loaded.loaded) << loaded.message;
        ProgramChip(rig);
        if (rig.chip.CalWord) {
            const std::string keeping = "Keeping the chip's calibration 0x" +
                                        MyIntToHex(rig.board.chip().config().factoryCalibration, 4);
            EXPECT_NE(std::find(rig.statuses.begin(), rig.statuses.end(), keeping),
                      rig.statuses.end());
        }
        VerifyChip(rig);
        rig.engine.Read();
        rig.Run();
        ASSERT_EQ(rig.engine.Outcome(), Outcome::Done);
        ExpectFileOnChip(rig, bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, GpasmCorpus, ::testing::ValuesIn(corpus::kPrograms),
                         [](const ::testing::TestParamInfo<corpus::Program>& info) {
                             return std::filesystem::path(info.param.source).stem().string();
                         });
