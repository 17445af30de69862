#pragma once

#include "chipdb/chip_record.h"
#include "disasm/instruction_set.h"

#include <cstddef>
#include <string>
#include <vector>

// A chip's program memory as instructions, one line each; a run of blank
// words is one line.
struct DisasmLine {
    std::size_t index = 0; // the first program word (ROMData entry)
    int count = 1;         // words: 2 for a two-word instruction, a blank run's length
    std::string text;      // the instruction; empty for a blank run
    bool blank = false;
    bool calibration = false; // the chip's factory calibration word
};

struct Disassembly {
    InstructionSet set = InstructionSet::Midrange;
    std::vector<DisasmLine> lines;
};

// The program memory of `rom` up to the chip's ROMSize. A run of blank words
// is one line (on the baseline a lone 0xFFF is the XORLW 0xFF it also is). The
// calibration word of a chip that has one is a line of its own, never part of
// a run. Empty for a chip without code.
Disassembly Disassemble(const ChipRecord& chip, const std::vector<int>& rom);

// The address as the listing shows it: upper-case hex, at least 4 digits.
std::string ListingAddress(long address);

// A raw word as the listing shows it: 4 hex digits, or a blank and 3 on the
// baseline, as in the hex listing.
void AppendWordText(std::string& out, int word, InstructionSet set);

// One line as text: address, raw word(s), instruction; "0000: 3055      MOVLW 0x55",
// "0008: EF1A F009 GOTO 0x1234", "0010: 3FFF      ; blank up to 03FF (1008 words)".
// The address and its colon stand where the hex listing has them.
std::string DisasmLineText(const DisasmLine& line, const std::vector<int>& rom, InstructionSet set);
