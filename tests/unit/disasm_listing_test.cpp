#include "hex_test_support.h"

#include "disasm/disasm_listing.h"
#include "disasm/disassembly.h"
#include "image/code_listing.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> DisasmTexts(const ChipRecord& chip, const std::vector<int>& rom) {
    const Disassembly code = Disassemble(chip, rom);
    std::vector<std::string> texts;
    for (const DisasmLine& line : code.lines)
        texts.push_back(DisasmLineText(line, rom, code.set));
    return texts;
}

} // namespace

TEST(Disassembly, FoldsBlankRunsAndLabelsTheCalibrationWord) {
    ChipRecord chip = hextest::Chip14();
    chip.ROMSize = 12;
    chip.CalWord = true;
    // A lone blank word is blank too; a run stops before the calibration word.
    const std::vector<int> rom = {
        0x2805, 0x3FFF, 0x3FFF, 0x3FFF, 0x0009, 0x3FFF, 0x1683,
        0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF, 0x3450, 0x3FFF /* past ROMSize */};
    EXPECT_EQ(DisasmTexts(chip, rom),
              (std::vector<std::string>{
                  "0000: 2805      GOTO 0x0005", "0001: 3FFF      ; blank up to 0003 (3 words)",
                  "0004: 0009      RETFIE", "0005: 3FFF      ; blank",
                  "0006: 1683      BSF 0x03, 5", "0007: 3FFF      ; blank up to 000A (4 words)",
                  "000B: 3450      RETLW 0x50  ; calibration"}));
    // An erased calibration word is said to be one; a 12-bit word shows 3 digits,
    // and a lone 0xFFF is the XORLW 0xFF it also is.
    chip = hextest::Chip12();
    chip.ROMSize = 4;
    chip.CalWord = true;
    EXPECT_EQ(DisasmTexts(chip, {0xC25, 0x025, 0xFFF, 0xFFF}),
              (std::vector<std::string>{"0000:  C25      MOVLW 0x25", "0001:  025      MOVWF 0x05",
                                        "0002:  FFF      XORLW 0xFF",
                                        "0003:  FFF      XORLW 0xFF  ; calibration, blank"}));
    chip = hextest::Chip14();
    chip.ROMSize = 2;
    chip.CalWord = true;
    EXPECT_EQ(DisasmTexts(chip, {0x3FFF, 0x3FFF}).back(), "0001: 3FFF      ; calibration, blank");
    EXPECT_TRUE(Disassemble(hextest::ChipSerialEEPROM(), {0x12, 0x34}).lines.empty());
}

TEST(Disassembly, Pic18CountsBytesAndKeepsTwoWordInstructionsWhole) {
    ChipRecord chip = hextest::Chip16();
    chip.ROMSize = 7;
    // GOTO 0x1234, MOVFF, BRA back to 0; a CALL whose second word is cut off is data.
    const std::vector<int> rom = {0xEF1A, 0xF009, 0xC123, 0xF456, 0xD7FB, 0x0012, 0xEC80};
    EXPECT_EQ(DisasmTexts(chip, rom),
              (std::vector<std::string>{"0000: EF1A F009 GOTO 0x1234",
                                        "0004: C123 F456 MOVFF 0x123, 0x456",
                                        "0008: D7FB      BRA 0x0000", "000A: 0012      RETURN",
                                        "000C: EC80      DW 0xEC80"}));
}

TEST(DisassemblyListing, KeepsTheEepromPartAndTheTopAddressAcrossTheToggle) {
    ChipRecord chip = hextest::Chip16();
    std::string id;
    MemoryImage image = hextest::BlankImage(chip, id);
    image.ROMData[0] = 0xEF1A; // GOTO 0x1234
    image.ROMData[1] = 0xF009;
    image.ROMData[0x91A] = 0x0E55; // MOVLW 0x55 at byte address 0x1234
    image.ROMData[0x91B] = 0x0012;
    image.EEPROMData[0x21] = 0x41;
    const auto hex = CreateCodeData(image, chip.WordMask);
    const auto code = CreateDisassemblyCodeData(image, chip);
    ASSERT_EQ(code[0], "ROM DATA");
    EXPECT_EQ(code[1], "0000: EF1A F009 GOTO 0x1234");
    EXPECT_EQ(code[3], "1234: 0E55      MOVLW 0x55");
    const std::size_t eepromLines = image.EEPROMData.size() / 8 + 2;
    EXPECT_TRUE(std::equal(hex.end() - static_cast<long>(eepromLines), hex.end(),
                           code.end() - static_cast<long>(eepromLines)));

    const int hexStep = ListingWordStep(chip, false), codeStep = ListingWordStep(chip, true);
    EXPECT_EQ(codeStep, 2);
    // The hex line of words 0x918..0x91F lands on the blank run that holds 0x918.
    int line = LineOfPlace(code, PlaceOfLine(hex, 1 + 0x918 / 8, hexStep), codeStep);
    EXPECT_EQ(code[static_cast<std::size_t>(line)].substr(0, 5), "0004:");
    line = LineOfPlace(hex, PlaceOfLine(code, 3, codeStep), hexStep);
    EXPECT_EQ(hex[static_cast<std::size_t>(line)].substr(0, 5), "0918:");
    // Headers and EEPROM lines map to themselves.
    const int eepromHeader = static_cast<int>(code.size() - eepromLines) + 1;
    for (const int at : {0, eepromHeader - 1, eepromHeader, eepromHeader + 5}) {
        const int hexLine = at == 0 ? 0 : at + static_cast<int>(hex.size() - code.size());
        EXPECT_EQ(LineOfPlace(hex, PlaceOfLine(code, at, codeStep), hexStep), hexLine) << at;
    }
}
