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

std::string DataWordText(int word) {
    std::string text = "DW ";
    AppendHex(text, word, 4);
    return text;
}
