#pragma once

#include "chipdb/chip_record.h"

#include <cstddef>
#include <optional>
#include <string>

// The instruction sets of the chips the program serves, as the datasheets'
// instruction tables give them: baseline (12-bit words), mid-range (14-bit
// words) and the standard PIC18 set (16-bit words, GOTO, CALL, LFSR and MOVFF
// two words long).
enum class InstructionSet { Baseline, Midrange, Pic18 };

// The set that reads the chip's program words, by their width (user mode's
// 14-bit image is read as mid-range code, whatever chip was chosen before);
// none for a serial EEPROM, which holds no code.
std::optional<InstructionSet> InstructionSetOf(const ChipRecord& chip);

// The value of an erased program word.
int BlankWord(InstructionSet set);

// The address the core's own code gives program word `index`: PIC18 code
// counts bytes (GOTO and branch targets are byte addresses), the others words.
long ProgramAddress(InstructionSet set, std::size_t index);

// One instruction in its conventional form: "MOVLW 0x55", "BSF 0x03, 5",
// "GOTO 0x0123", "ADDWF 0x20, F, BANKED". A word that is no instruction of the
// set reads "DW 0x...." and takes one word.
struct Instruction {
    std::string text;
    int words = 1;
    bool known = true;
};

// The instruction that starts at `words[0]`; `available` words can be read
// from there (a two-word instruction cut off by the end is data). `address` is
// words[0]'s program address, which relative branches count from.
Instruction Decode(InstructionSet set, const int* words, std::size_t available, long address);
