#pragma once

// The decoders' shared parts: opcode tables and operand text.

#include "disasm/instruction_set.h"

#include <cstdint>
#include <string>

// How an instruction's operands sit in its word(s).
enum class Form : std::uint8_t {
    None,     // no operand
    FileDest, // f, d (PIC18: f, d, a)
    File,     // f (PIC18: f, a)
    FileBit,  // f, b (PIC18: f, b, a)
    Literal,  // k, the low 8 bits
    Address,  // k, every bit outside the opcode (GOTO and CALL of the narrow cores)
    Tris,     // the port register 5..7 in the low 3 bits
    Bank,     // PIC18 MOVLB: k, the low 4 bits
    Fast,     // PIC18 RETFIE, RETURN: the fast-register bit s
    Branch8,  // PIC18 BC, BZ, ...: an 8-bit signed word offset
    Branch11, // PIC18 BRA, RCALL: an 11-bit signed word offset
    Call,     // PIC18 CALL k, s: two words
    Goto,     // PIC18 GOTO k: two words
    Lfsr,     // PIC18 LFSR f, k: two words
    Movff,    // PIC18 MOVFF fs, fd: two words
};

// A word holds the row's instruction when its bits under `mask` equal `pattern`.
struct OpcodeRow {
    std::uint16_t mask;
    std::uint16_t pattern;
    const char* mnemonic;
    Form form;
};

template <std::size_t N> const OpcodeRow* FindOpcode(const OpcodeRow (&table)[N], int word) {
    for (const OpcodeRow& row : table)
        if ((word & row.mask) == row.pattern)
            return &row;
    return nullptr;
}

// Appends "0x" and the value in upper-case hex, at least `digits` digits.
void AppendHex(std::string& out, long value, int digits);

// A word that is no instruction: "DW 0x" and 4 hex digits, one word long.
Instruction DataWord(int word);

// The row's instruction, its operands still to be appended.
Instruction Mnemonic(const OpcodeRow& row);
