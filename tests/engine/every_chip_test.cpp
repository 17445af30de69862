// Every PIC of the shipped chip file, as a new user would try it: a gpasm
// program made for the chip (chip_program.h) is loaded, programmed through the
// engine into the simulated board, verified, read back and saved, and the
// saved file must hold every byte of gpasm's (configuration bytes within the
// bits gputils implements; the calibration word and bandgap bits the chip's
// own). In every HEX format the core allows.
#include "corpus/corpus.h"
#include "engine/chip_program.h"
#include "engine/engine_rig.h"
#include "engine/rig_steps.h"
#include "unit/hex_test_support.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/hex_text.h"
#include "fuses/fuse_values.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "platform/text_file.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

using everychip::GpasmRegister;
using Bytes = std::map<long, int>;

struct ShippedPic {
    std::string name;
    ChipInfoResult info;
};

// The chips of the shipped file that have program memory, as a selection reads them.
const std::vector<ShippedPic>& ShippedPics() {
    static const std::vector<ShippedPic> pics = [] {
        std::vector<ShippedPic> out;
        const auto bytes = ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
        const ChipFileLoadResult loaded = LoadChipFile(SplitLines(bytes.value_or("")), 1);
        for (std::size_t p = 0; p < loaded.ChipNames.size(); ++p) {
            ChipInfoResult info = ExtractChipInfo(loaded.ChipData, static_cast<int>(p));
            info.record.ChipName = loaded.ChipNames[p];
            DeriveSelectionFields(info.record);
            if (info.ok && info.record.Family() != Core::SerialEeprom)
                out.push_back({loaded.ChipNames[p], info});
        }
        return out;
    }();
    return pics;
}

std::vector<std::string> PicNames() {
    std::vector<std::string> names;
    for (const ShippedPic& pic : ShippedPics())
        names.push_back(pic.name);
    return names;
}

// Assembles `source` in `format`; the HEX file's path, or "" when gpasm failed.
// Whatever gpasm said (a warning of an address out of its range, say) is in `said`.
std::string Assemble(const std::filesystem::path& folder, const std::string& source,
                     const std::string& format, std::string& said) {
    const std::string stem = (folder / format).string();
    std::ofstream(stem + ".asm") << source;
    const std::string command =
        "gpasm -a " + format + " -o '" + stem + ".hex' '" + stem + ".asm' >'" + stem + ".log' 2>&1";
    const bool ok = std::system(command.c_str()) == 0;
    std::ostringstream log;
    log << std::ifstream(stem + ".log").rdbuf();
    said = log.str();
    return ok && std::filesystem::exists(stem + ".hex") ? stem + ".hex" : "";
}

// The bits of each configuration byte that gputils implements (a 16-bit
// core's configuration bytes that are no register implement none), and the
// bytes of gputils' configuration words the chip file does not keep.
struct ConfigBits {
    std::map<long, int> implemented;
    std::set<long> unkept;
};

ConfigBits ConfigBitsOf(const ChipRecord& chip, const std::vector<GpasmRegister>& table) {
    ConfigBits bits;
    const bool wide = chip.IsWide();
    for (long at = 0x300000; wide && at < 0x30000E; ++at)
        bits.implemented[at] = 0;
    for (const GpasmRegister& reg : table) {
        const long at = everychip::FileAddressOf(chip, reg.address);
        bits.implemented[at] = reg.mask & 0xFF;
        if (wide)
            continue;
        bits.implemented[at + 1] = reg.mask >> 8;
        if (reg.address != (chip.IsBaseline() ? 0xFFF : 0x2007))
            bits.unkept.insert({at, at + 1});
    }
    return bits;
}

// gpasm's bytes against those of the file saved from the chip read back.
void ExpectSameBytes(const ChipRecord& chip, const ConfigBits& config, const Bytes& made,
                     const Bytes& saved) {
    for (const auto& [address, value] : made) {
        const auto got = saved.find(address);
        if (got == saved.end() && config.unkept.count(address) != 0) {
            // A configuration word gputils knows and the chip file does not keep
            // (the second word of the 16F87/88, 16F88x, 16F7x7): gpasm writes it
            // erased, and erased it stays (tools/chipdb/families.py).
            EXPECT_EQ(value, (address & 1) != 0 ? chip.WordMask >> 8 : 0xFF)
                << "gpasm set the configuration byte at 0x" << std::hex << address;
            continue;
        }
        const auto bits = config.implemented.find(address);
        const int mask = bits == config.implemented.end() ? 0xFF : bits->second;
        EXPECT_TRUE(got != saved.end() && (got->second & mask) == (value & mask))
            << "byte at 0x" << std::hex << address << ": gpasm 0x" << value << ", read back 0x"
            << (got == saved.end() ? -1 : got->second) << " (bits 0x" << mask << ")";
    }
    // Program memory the program leaves alone stays erased, but for the calibration word.
    const int calibration = chip.CalibrationOpcode() | kFactoryOscal;
    for (const auto& [word, value] : corpus::ProgramWords(saved, chip.ROMSize, chip.WordMask)) {
        if (made.count(2L * word) != 0)
            continue;
        const bool cal = chip.CalWord && word == chip.ROMSize - 1;
        EXPECT_EQ(value, cal ? calibration : chip.WordMask)
            << "program word 0x" << std::hex << word;
    }
}

class EveryChip : public ::testing::TestWithParam<std::string> {
protected:
    // Loads, programs, verifies and reads back the file; the image read back
    // saved, or nothing when the file does not load.
    Bytes ThroughTheChip(const ShippedPic& pic, const std::string& hex,
                         const std::vector<std::pair<int, int>>& chosen);

    hextest::TempFolder folder;
};

Bytes EveryChip::ThroughTheChip(const ShippedPic& pic, const std::string& hex,
                                const std::vector<std::pair<int, int>>& chosen) {
    const bool bandGap = pic.info.record.BandGap;
    EngineRig rig(pic.name, boardsim::Model::Birch_A,
                  [&](boardsim::ChipConfig& c) { FactoryValues(c, bandGap); });
    rig.BlankImage();
    const HexLoadResult loaded = LoadTheHexFile(hex, rig.chip, rig.image, rig.id, nullptr);
    if (!loaded.Loaded()) {
        ADD_FAILURE() << "the file does not load: " << Worded(LoadMessage(loaded));
        return {};
    }
    EXPECT_EQ(loaded.bytesOutside, 0) << "gpasm put bytes where the chip file has no memory";
    FuseRows rows = pic.info.rows;
    UpdateFusesForCore(rows, rig.chip, rig.image.FuseValue);
    for (const auto& [n, item] : chosen) {
        const FuseRow& row = rows[static_cast<std::size_t>(n)];
        EXPECT_EQ(row.selected, item) << row.label << " reads gpasm's word as another option";
    }
    ProgramChip(rig);
    VerifyChip(rig);
    rig.engine.Read();
    rig.Run();
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Done);
    if (rig.chip.BandGap) {
        EXPECT_EQ(rig.image.FuseValue[1] & 0x3000, kFactoryBandGap);
    }
    // A read takes no 12-bit ID (what boards answer for them is unconfirmed):
    // the socket's chip shows that the file's ID reached it.
    if (rig.chip.Family() == Core::Baseline)
        for (std::size_t i = 0; i < 4; ++i)
            rig.id[i] = ToHex(rig.board.chip().Id(static_cast<int>(i)) & 0x0F);
    const std::string saved = folder.File("read.hex");
    EXPECT_TRUE(SaveHexFile(saved, rig.image, rig.chip, rig.id));
    return corpus::DataBytes(saved);
}

} // namespace

TEST_P(EveryChip, ProgramsGpasmsFileAndReadsItBack) {
    const auto pic = std::find_if(ShippedPics().begin(), ShippedPics().end(),
                                  [&](const ShippedPic& p) { return p.name == GetParam(); });
    ASSERT_NE(pic, ShippedPics().end());
    const ChipRecord& chip = pic->info.record;
    const std::vector<GpasmRegister> table = everychip::GpasmConfigTable(chip.ChipName);
    ASSERT_FALSE(table.empty()) << "gpasm does not know the " << chip.ChipName
                                << " (scripts/deps installs gputils)";
    const everychip::ChipProgram program = everychip::MakeChipProgram(chip, pic->info.rows, table);
    EXPECT_EQ(program.disagreements, std::vector<std::string>{})
        << "the chip file and gputils disagree";
    const ConfigBits config = ConfigBitsOf(chip, table);
    for (const char* format : {"inhx32", "inhx8m"}) {
        if (chip.IsWide() && std::string(format) == "inhx8m")
            continue; // its addresses do not fit 16 bits
        SCOPED_TRACE(format);
        std::string said;
        const std::string hex = Assemble(folder.Path(), program.source, format, said);
        ASSERT_FALSE(hex.empty()) << said << program.source;
        EXPECT_EQ(said, "") << "gpasm and the chip file disagree:\n" << program.source;
        const Bytes back = ThroughTheChip(*pic, hex, program.chosen);
        if (!back.empty())
            ExpectSameBytes(chip, config, corpus::DataBytes(hex), back);
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedChips, EveryChip, ::testing::ValuesIn(PicNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return "PIC" + info.param;
                         });
