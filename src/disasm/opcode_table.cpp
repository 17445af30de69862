#include "disasm/opcode_table.h"

void AppendHex(std::string& out, long value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char text[16];
    int n = 0;
    for (unsigned long v = static_cast<unsigned long>(value); v != 0 || n < digits; v >>= 4)
        text[n++] = kDigits[v & 0xF];
    out += "0x";
    while (n > 0)
        out += text[--n];
}

Instruction DataWord(int word) {
    Instruction in{"DW ", 1, false};
    AppendHex(in.text, word, 4);
    return in;
}

Instruction Mnemonic(const OpcodeRow& row) {
    Instruction in;
    in.text.reserve(24); // the longest text, without a reallocation on the way
    in.text = row.mnemonic;
    return in;
}
