// Programs assembled by gputils, loaded through the window's Load command: the
// listing shows every program word and EEPROM byte of the assembler's file.
#include "corpus/corpus.h"
#include "main_window_harness.h"
#include "test_platform.h"

#include "image/code_listing.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {
constexpr std::size_t kColumnsAt = 6; // "0000: "
constexpr std::size_t kColumnWidth = 5;

// The listing's column for value `index` of the section whose first line is `first`.
std::string ListedColumn(const TestWindow& w, std::size_t first, int index) {
    const std::string& line = w.CodeLines.at(first + std::size_t(index) / 8);
    return line.substr(kColumnsAt + std::size_t(index) % 8 * kColumnWidth, kColumnWidth);
}
} // namespace

TEST(CorpusWindow, LoadListsEveryWordAndByteOfTheFile) {
    SKIP_ON_WINDOWS("gpasm runs at test time: Wine starts a Linux program but does not wait");
    MainWindowHarness h("CorpusWindow");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    for (const corpus::Program& p : corpus::kPrograms) {
        for (const char* format : corpus::FormatsFor(p)) {
            SCOPED_TRACE(std::string(p.source) + " as " + format);
            const std::string hex = corpus::Assemble(p, format, h.dir);
            if (hex.empty()) {
                ADD_FAILURE() << "gputils failed or is missing (scripts/deps installs it)";
                continue;
            }
            w.ChipSelect->setCurrentIndex(w.Bench().FindChip(p.chip));
            w.ChipSelectChange();
            h.dialogs.files = {hex};
            w.LoadButtClick();
            if (w.Image.HexFileName != hex) {
                ADD_FAILURE() << "not loaded: " << ::testing::PrintToString(h.dialogs.Texts());
                continue;
            }
            const ChipRecord& chip = w.Chip;
            const std::map<long, int> bytes = corpus::DataBytes(hex);
            for (const auto& [word, value] :
                 corpus::ProgramWords(bytes, chip.ROMSize, chip.WordMask)) {
                EXPECT_EQ(ListedColumn(w, 1, word), WordColumn(value, chip.WordMask))
                    << "word " << word;
            }
            const bool wide = chip.IsWide();
            const long eeprom = wide ? 0xF00000 : 0x4200;
            const long step = wide ? 1 : 2;
            // After "ROM DATA", its full lines, a blank line and "EEPROM DATA".
            const std::size_t eepromFirst = 1 + std::size_t(chip.ROMSize) / 8 + 2;
            for (const auto& [address, value] : bytes) {
                if (address >= eeprom && (address - eeprom) % step == 0 &&
                    address < eeprom + step * chip.EEPROMSize) {
                    EXPECT_EQ(ListedColumn(w, eepromFirst, int((address - eeprom) / step)),
                              ByteColumn(value))
                        << "EEPROM byte " << (address - eeprom) / step;
                }
            }
        }
    }
}
