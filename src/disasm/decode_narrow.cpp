// The baseline (12-bit) and mid-range (14-bit) instruction sets. Their words
// differ in the width of the register field: 5 bits on the baseline, 7 on
// the mid-range; the destination bit and the bit number follow it.
#include "disasm/decode_narrow.h"

#include "disasm/opcode_table.h"

namespace {

// clang-format off
// Baseline instruction table. TRIS is listed for the port registers 5..7 only;
// the other words of 0x000..0x01F and 0x041..0x05F are no instructions.
const OpcodeRow kBaseline[] = {
    {0xFFF, 0x000, "NOP", Form::None},       {0xFFF, 0x002, "OPTION", Form::None},
    {0xFFF, 0x003, "SLEEP", Form::None},     {0xFFF, 0x004, "CLRWDT", Form::None},
    {0xFFF, 0x005, "TRIS", Form::Tris},      {0xFFF, 0x006, "TRIS", Form::Tris},
    {0xFFF, 0x007, "TRIS", Form::Tris},      {0xFE0, 0x020, "MOVWF", Form::File},
    {0xFFF, 0x040, "CLRW", Form::None},      {0xFE0, 0x060, "CLRF", Form::File},
    {0xFC0, 0x080, "SUBWF", Form::FileDest}, {0xFC0, 0x0C0, "DECF", Form::FileDest},
    {0xFC0, 0x100, "IORWF", Form::FileDest}, {0xFC0, 0x140, "ANDWF", Form::FileDest},
    {0xFC0, 0x180, "XORWF", Form::FileDest}, {0xFC0, 0x1C0, "ADDWF", Form::FileDest},
    {0xFC0, 0x200, "MOVF", Form::FileDest},  {0xFC0, 0x240, "COMF", Form::FileDest},
    {0xFC0, 0x280, "INCF", Form::FileDest},  {0xFC0, 0x2C0, "DECFSZ", Form::FileDest},
    {0xFC0, 0x300, "RRF", Form::FileDest},   {0xFC0, 0x340, "RLF", Form::FileDest},
    {0xFC0, 0x380, "SWAPF", Form::FileDest}, {0xFC0, 0x3C0, "INCFSZ", Form::FileDest},
    {0xF00, 0x400, "BCF", Form::FileBit},    {0xF00, 0x500, "BSF", Form::FileBit},
    {0xF00, 0x600, "BTFSC", Form::FileBit},  {0xF00, 0x700, "BTFSS", Form::FileBit},
    {0xF00, 0x800, "RETLW", Form::Literal},  {0xF00, 0x900, "CALL", Form::Address},
    {0xE00, 0xA00, "GOTO", Form::Address},   {0xF00, 0xC00, "MOVLW", Form::Literal},
    {0xF00, 0xD00, "IORLW", Form::Literal},  {0xF00, 0xE00, "ANDLW", Form::Literal},
    {0xF00, 0xF00, "XORLW", Form::Literal},
};

// Mid-range instruction table. The "x" bits of NOP, CLRW, MOVLW, RETLW, SUBLW
// and ADDLW are left out of their masks: the core ignores them.
const OpcodeRow kMidrange[] = {
    {0x3F9F, 0x0000, "NOP", Form::None},       {0x3FFF, 0x0008, "RETURN", Form::None},
    {0x3FFF, 0x0009, "RETFIE", Form::None},    {0x3FFF, 0x0062, "OPTION", Form::None},
    {0x3FFF, 0x0063, "SLEEP", Form::None},     {0x3FFF, 0x0064, "CLRWDT", Form::None},
    {0x3FFF, 0x0065, "TRIS", Form::Tris},      {0x3FFF, 0x0066, "TRIS", Form::Tris},
    {0x3FFF, 0x0067, "TRIS", Form::Tris},      {0x3F80, 0x0080, "MOVWF", Form::File},
    {0x3F80, 0x0100, "CLRW", Form::None},      {0x3F80, 0x0180, "CLRF", Form::File},
    {0x3F00, 0x0200, "SUBWF", Form::FileDest}, {0x3F00, 0x0300, "DECF", Form::FileDest},
    {0x3F00, 0x0400, "IORWF", Form::FileDest}, {0x3F00, 0x0500, "ANDWF", Form::FileDest},
    {0x3F00, 0x0600, "XORWF", Form::FileDest}, {0x3F00, 0x0700, "ADDWF", Form::FileDest},
    {0x3F00, 0x0800, "MOVF", Form::FileDest},  {0x3F00, 0x0900, "COMF", Form::FileDest},
    {0x3F00, 0x0A00, "INCF", Form::FileDest},  {0x3F00, 0x0B00, "DECFSZ", Form::FileDest},
    {0x3F00, 0x0C00, "RRF", Form::FileDest},   {0x3F00, 0x0D00, "RLF", Form::FileDest},
    {0x3F00, 0x0E00, "SWAPF", Form::FileDest}, {0x3F00, 0x0F00, "INCFSZ", Form::FileDest},
    {0x3C00, 0x1000, "BCF", Form::FileBit},    {0x3C00, 0x1400, "BSF", Form::FileBit},
    {0x3C00, 0x1800, "BTFSC", Form::FileBit},  {0x3C00, 0x1C00, "BTFSS", Form::FileBit},
    {0x3800, 0x2000, "CALL", Form::Address},   {0x3800, 0x2800, "GOTO", Form::Address},
    {0x3C00, 0x3000, "MOVLW", Form::Literal},  {0x3C00, 0x3400, "RETLW", Form::Literal},
    {0x3F00, 0x3800, "IORLW", Form::Literal},  {0x3F00, 0x3900, "ANDLW", Form::Literal},
    {0x3F00, 0x3A00, "XORLW", Form::Literal},  {0x3E00, 0x3C00, "SUBLW", Form::Literal},
    {0x3E00, 0x3E00, "ADDLW", Form::Literal},
};
// clang-format on

struct Layout {
    int fileBits; // width of the register field; d and b follow it
    int wordMask;
};
constexpr Layout kBaselineLayout{5, 0xFFF};
constexpr Layout kMidrangeLayout{7, 0x3FFF};

void AppendOperands(std::string& out, const OpcodeRow& row, int word, const Layout& layout) {
    const int file = word & ((1 << layout.fileBits) - 1);
    const int above = word >> layout.fileBits; // d, or b in the low 3 bits
    switch (row.form) {
    case Form::FileDest:
        out += ' ';
        AppendHex(out, file, 2);
        out += (above & 1) ? ", F" : ", W";
        break;
    case Form::File:
        out += ' ';
        AppendHex(out, file, 2);
        break;
    case Form::FileBit:
        out += ' ';
        AppendHex(out, file, 2);
        out += ", ";
        out += static_cast<char>('0' + (above & 7));
        break;
    case Form::Literal:
        out += ' ';
        AppendHex(out, word & 0xFF, 2);
        break;
    case Form::Address:
        out += ' ';
        AppendHex(out, word & ~row.mask & layout.wordMask, 4);
        break;
    case Form::Tris:
        out += ' ';
        AppendHex(out, word & 7, 2);
        break;
    default:
        break;
    }
}

template <std::size_t N>
Instruction DecodeWith(const OpcodeRow (&table)[N], int word, const Layout& layout) {
    word &= layout.wordMask;
    const OpcodeRow* row = FindOpcode(table, word);
    if (row == nullptr)
        return DataWord(word);
    Instruction in = Mnemonic(*row);
    AppendOperands(in.text, *row, word, layout);
    return in;
}

} // namespace

Instruction DecodeBaseline(int word) {
    return DecodeWith(kBaseline, word, kBaselineLayout);
}

Instruction DecodeMidrange(int word) {
    return DecodeWith(kMidrange, word, kMidrangeLayout);
}
