// Programs assembled by gputils, programmed through the engine into the
// simulated board, verified and read back: every byte of the assembler's file
// must be on the chip, and a chip's factory calibration must stay its own.
#include "corpus/chip_expect.h"
#include "corpus/corpus.h"
#include "engine/engine_rig.h"
#include "engine/rig_steps.h"

#include "chipdb/hex_text.h"
#include "image/hex_load.h"
#include "protocol/engine_texts.h"
#include "test_platform.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

// What the rig's image holds after a read.
corpus::ChipHolds ReadBack(const EngineRig& rig) {
    corpus::ChipHolds holds;
    holds.rom = [&rig](int word) { return rig.image.ROMData[std::size_t(word)]; };
    holds.eeprom = [&rig](int n) { return rig.image.EEPROMData[std::size_t(n)]; };
    holds.idDigit = [&rig](int n) { return HexDigitValue(rig.id[std::size_t(n)]); };
    holds.config = [&rig](int k) { return rig.image.FuseValue[std::size_t(k)]; };
    holds.factoryCalibration = rig.board.chip().config().factoryCalibration;
    holds.factoryBandGap = rig.chip.BandGap ? kFactoryBandGap : 0;
    return holds;
}

// Loads `hex` into a rig with `p`'s chip, programs, verifies and reads it back.
void ProgramVerifyRead(const corpus::Program& p, const std::string& hex,
                       const std::map<long, int>& bytes) {
    const bool bandGap = ShippedChip(p.chip).BandGap;
    EngineRig rig(p.chip, boardsim::Model::Birch_A,
                  [&](boardsim::ChipConfig& c) { FactoryValues(c, bandGap); });
    rig.BlankImage();
    const HexLoadResult loaded = LoadTheHexFile(hex, rig.chip, rig.image, rig.id, nullptr);
    ASSERT_TRUE(loaded.Loaded()) << Worded(LoadMessage(loaded));
    EXPECT_EQ(loaded.bytesOutside, 0);
    ProgramChip(rig);
    if (rig.chip.CalWord) {
        const std::string keeping = "Keeping the chip's calibration 0x" +
                                    HexOfValue(rig.board.chip().config().factoryCalibration, 4);
        EXPECT_NE(std::find(rig.statuses.begin(), rig.statuses.end(), keeping), rig.statuses.end());
    }
    VerifyChip(rig);
    rig.engine.Read();
    rig.Run();
    ASSERT_EQ(rig.engine.Outcome(), Outcome::Done);
    corpus::ExpectFileOnChip(rig.chip, ReadBack(rig), bytes);
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
        ProgramVerifyRead(p, hex, bytes);
    }
}

// The same programs as today's compilers and tools write them: data before
// the first extended linear address record, or none at all; configuration
// bytes one a record or from an odd address; records across rows and pages;
// the top of program memory first; comments after the end; mixed line ends;
// configuration words with bits above the core; erased ID bytes. srec_cat
// writes two shapes of its own: 16-bit addresses only, and 8086 segments.
TEST_P(GpasmCorpus, ProgramsTheShapesOfTodaysCompilersByteForByte) {
    SKIP_ON_WINDOWS("gpasm runs at test time: Wine starts a Linux program but does not wait");
    using namespace corpus;
    const Program& p = GetParam();
    const ChipRecord chip = ShippedChip(p.chip);
    const std::string assembled = Assemble(p, "inhx32", folder);
    ASSERT_FALSE(assembled.empty()) << "gputils failed or is missing (scripts/deps installs it)";
    const std::map<long, int> bytes = DataBytes(assembled);
    const struct {
        const char* name;
        unsigned shape;
        std::map<long, int> bytes;
    } shapes[] = {
        {"compiler", kDataFirst | kByteConfig | kTrailingText,
         WithErasedId(WithBitsAboveTheCore(bytes, chip), chip)},
        {"program memory only", kNoLinear, FirstSegment(bytes)},
        {"odd records", kDataFirst | kConfigFromOdd | kOddRecords | kMixedLineEnds | kStartAddress,
         WithEveryConfigByte(bytes, chip)},
        {"top first", kDataFirst | kTopFirst, WithJumpAtTheTop(bytes, chip)},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const std::string hex = (folder / (std::string(shape.name) + ".hex")).string();
        std::ofstream(hex, std::ios::binary) << WriteShaped(shape.bytes, shape.shape, chip);
        ASSERT_EQ(DataBytes(hex), shape.bytes) << "the tests' writer and reader disagree";
        ProgramVerifyRead(p, hex, shape.bytes);
    }
    const struct {
        const char* name;
        const char* arguments;
        std::map<long, int> bytes;
    } tools[] = {
        {"srec_cat 16-bit", "-crop 0 0x10000 -o '%s' -intel -address-length=2",
         FirstSegment(bytes)},
        {"srec_cat segments", "-crop 0 0x100000 -o '%s' -intel -address-length=3",
         chip.IsWide() ? FirstSegment(bytes) : bytes},
    };
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.name);
        const std::string hex = (folder / (std::string(tool.name) + ".hex")).string();
        char arguments[512];
        std::snprintf(arguments, sizeof arguments, tool.arguments, hex.c_str());
        const std::string command = "srec_cat '" + assembled + "' -intel " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0)
            << "srecord is missing (scripts/deps installs it)";
        ProgramVerifyRead(p, hex, tool.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, GpasmCorpus, ::testing::ValuesIn(corpus::kPrograms),
                         [](const ::testing::TestParamInfo<corpus::Program>& info) {
                             return std::filesystem::path(info.param.source).stem().string();
                         });
