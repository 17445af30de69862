// The gpasm corpus through the disassembler and back: gpasm -> HEX -> our
// instructions -> gpasm -> the same program words.
#include "corpus/corpus.h"
#include "hex_test_support.h"

#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "disasm/disassembly.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ChipRecord CorpusChip(const std::string& name) {
    const auto bytes = ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
    ChipFileLoadResult loaded = LoadChipFile(SplitLines(bytes.value_or("")), 1);
    const auto found = std::find(loaded.ChipNames.begin(), loaded.ChipNames.end(), name);
    ChipInfoResult info =
        ExtractChipInfo(loaded.ChipData, static_cast<int>(found - loaded.ChipNames.begin()));
    DeriveSelectionFields(info.record);
    return info.record;
}

// The chip's program memory from a HEX file, erased where the file says nothing.
std::vector<int> CorpusRom(const std::string& hex, const ChipRecord& chip) {
    std::vector<int> rom(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    for (const auto& [address, word] :
         corpus::ProgramWords(corpus::DataBytes(hex), chip.ROMSize, chip.WordMask))
        rom[static_cast<std::size_t>(address)] = word;
    return rom;
}

// Our instructions as a gpasm source; blank runs are left to the assembler's gaps.
std::string SourceOf(const Disassembly& code, const std::string& chip) {
    std::string lower = chip;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    std::string source = "\tlist p=" + lower + "\n\tinclude \"p" + lower + ".inc\"\n";
    bool gap = true;
    for (const DisasmLine& line : code.lines) {
        if (line.blank) {
            gap = true;
            continue;
        }
        if (gap)
            source += "\torg 0x" + ListingAddress(ProgramAddress(code.set, line.index)) + "\n";
        gap = false;
        source += "\t" + line.text + "\n";
    }
    return source + "\tend\n";
}

class DisasmRoundTrip : public testing::TestWithParam<corpus::Program> {};

TEST_P(DisasmRoundTrip, AssemblesBackToTheSameProgramWords) {
    const corpus::Program& p = GetParam();
    const ChipRecord chip = CorpusChip(p.chip);
    ASSERT_GT(chip.ROMSize, 0) << p.chip;
    const hextest::TempFolder folder;
    const std::string hex = corpus::Assemble(p, "inhx32", folder.Path());
    ASSERT_FALSE(hex.empty()) << "gpasm failed, see " << folder.Path();
    const std::vector<int> rom = CorpusRom(hex, chip);
    const Disassembly code = Disassemble(chip, rom);

    const std::string source = folder.File("again.asm"), again = folder.File("again.hex");
    std::ofstream(source) << SourceOf(code, p.chip);
    const std::string command = "gpasm -q -a inhx32 -o '" + again + "' '" + source + "' > '" +
                                folder.File("again.log") + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << SourceOf(code, p.chip);
    const std::vector<int> back = CorpusRom(again, chip);
    const auto differ = std::mismatch(back.begin(), back.end(), rom.begin());
    EXPECT_TRUE(differ.first == back.end()) << "word " << (differ.first - back.begin()) << " reads "
                                            << *differ.first << " for " << *differ.second << "\n"
                                            << SourceOf(code, p.chip);
}

INSTANTIATE_TEST_SUITE_P(Corpus, DisasmRoundTrip, testing::ValuesIn(corpus::kPrograms),
                         [](const auto& info) { return std::string(info.param.chip); });

} // namespace
