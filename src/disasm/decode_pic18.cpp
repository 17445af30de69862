// The standard PIC18 instruction set (16-bit words). GOTO, CALL, LFSR and
// MOVFF take a second word 1111 xxxx xxxx xxxx; a first word without one is
// data. The extended set (ADDFSR, CALLW, ...) is not decoded: its words are
// data, as on a chip with the extended set switched off.
#include "disasm/decode_pic18.h"

#include "disasm/opcode_table.h"

namespace {

// clang-format off
const OpcodeRow kPic18[] = {
    {0xFFFF, 0x0000, "NOP", Form::None},        {0xFFFF, 0x0003, "SLEEP", Form::None},
    {0xFFFF, 0x0004, "CLRWDT", Form::None},     {0xFFFF, 0x0005, "PUSH", Form::None},
    {0xFFFF, 0x0006, "POP", Form::None},        {0xFFFF, 0x0007, "DAW", Form::None},
    {0xFFFF, 0x0008, "TBLRD*", Form::None},     {0xFFFF, 0x0009, "TBLRD*+", Form::None},
    {0xFFFF, 0x000A, "TBLRD*-", Form::None},    {0xFFFF, 0x000B, "TBLRD+*", Form::None},
    {0xFFFF, 0x000C, "TBLWT*", Form::None},     {0xFFFF, 0x000D, "TBLWT*+", Form::None},
    {0xFFFF, 0x000E, "TBLWT*-", Form::None},    {0xFFFF, 0x000F, "TBLWT+*", Form::None},
    {0xFFFE, 0x0010, "RETFIE", Form::Fast},     {0xFFFE, 0x0012, "RETURN", Form::Fast},
    {0xFFFF, 0x00FF, "RESET", Form::None},      {0xFFF0, 0x0100, "MOVLB", Form::Bank},
    {0xFE00, 0x0200, "MULWF", Form::File},      {0xFC00, 0x0400, "DECF", Form::FileDest},
    {0xFF00, 0x0800, "SUBLW", Form::Literal},   {0xFF00, 0x0900, "IORLW", Form::Literal},
    {0xFF00, 0x0A00, "XORLW", Form::Literal},   {0xFF00, 0x0B00, "ANDLW", Form::Literal},
    {0xFF00, 0x0C00, "RETLW", Form::Literal},   {0xFF00, 0x0D00, "MULLW", Form::Literal},
    {0xFF00, 0x0E00, "MOVLW", Form::Literal},   {0xFF00, 0x0F00, "ADDLW", Form::Literal},
    {0xFC00, 0x1000, "IORWF", Form::FileDest},  {0xFC00, 0x1400, "ANDWF", Form::FileDest},
    {0xFC00, 0x1800, "XORWF", Form::FileDest},  {0xFC00, 0x1C00, "COMF", Form::FileDest},
    {0xFC00, 0x2000, "ADDWFC", Form::FileDest}, {0xFC00, 0x2400, "ADDWF", Form::FileDest},
    {0xFC00, 0x2800, "INCF", Form::FileDest},   {0xFC00, 0x2C00, "DECFSZ", Form::FileDest},
    {0xFC00, 0x3000, "RRCF", Form::FileDest},   {0xFC00, 0x3400, "RLCF", Form::FileDest},
    {0xFC00, 0x3800, "SWAPF", Form::FileDest},  {0xFC00, 0x3C00, "INCFSZ", Form::FileDest},
    {0xFC00, 0x4000, "RRNCF", Form::FileDest},  {0xFC00, 0x4400, "RLNCF", Form::FileDest},
    {0xFC00, 0x4800, "INFSNZ", Form::FileDest}, {0xFC00, 0x4C00, "DCFSNZ", Form::FileDest},
    {0xFC00, 0x5000, "MOVF", Form::FileDest},   {0xFC00, 0x5400, "SUBFWB", Form::FileDest},
    {0xFC00, 0x5800, "SUBWFB", Form::FileDest}, {0xFC00, 0x5C00, "SUBWF", Form::FileDest},
    {0xFE00, 0x6000, "CPFSLT", Form::File},     {0xFE00, 0x6200, "CPFSEQ", Form::File},
    {0xFE00, 0x6400, "CPFSGT", Form::File},     {0xFE00, 0x6600, "TSTFSZ", Form::File},
    {0xFE00, 0x6800, "SETF", Form::File},       {0xFE00, 0x6A00, "CLRF", Form::File},
    {0xFE00, 0x6C00, "NEGF", Form::File},       {0xFE00, 0x6E00, "MOVWF", Form::File},
    {0xF000, 0x7000, "BTG", Form::FileBit},     {0xF000, 0x8000, "BSF", Form::FileBit},
    {0xF000, 0x9000, "BCF", Form::FileBit},     {0xF000, 0xA000, "BTFSS", Form::FileBit},
    {0xF000, 0xB000, "BTFSC", Form::FileBit},   {0xF000, 0xC000, "MOVFF", Form::Movff},
    {0xF800, 0xD000, "BRA", Form::Branch11},    {0xF800, 0xD800, "RCALL", Form::Branch11},
    {0xFF00, 0xE000, "BZ", Form::Branch8},      {0xFF00, 0xE100, "BNZ", Form::Branch8},
    {0xFF00, 0xE200, "BC", Form::Branch8},      {0xFF00, 0xE300, "BNC", Form::Branch8},
    {0xFF00, 0xE400, "BOV", Form::Branch8},     {0xFF00, 0xE500, "BNOV", Form::Branch8},
    {0xFF00, 0xE600, "BN", Form::Branch8},      {0xFF00, 0xE700, "BNN", Form::Branch8},
    {0xFE00, 0xEC00, "CALL", Form::Call},       {0xFFC0, 0xEE00, "LFSR", Form::Lfsr},
    {0xFF00, 0xEF00, "GOTO", Form::Goto},
};
// clang-format on

constexpr long kProgramCounterMask = 0x1FFFFF; // 21 bits

void AppendFile(std::string& out, int word) {
    out += ' ';
    AppendHex(out, word & 0xFF, 2);
}

void AppendAccess(std::string& out, int word) {
    out += (word & 0x100) ? ", BANKED" : ", ACCESS";
}

// A branch of `bits` signed word offset: its target, a byte address.
void AppendBranch(std::string& out, int word, int bits, long address) {
    const int field = word & ((1 << bits) - 1);
    const int offset = field >= (1 << (bits - 1)) ? field - (1 << bits) : field;
    out += ' ';
    AppendHex(out, (address + 2 + 2L * offset) & kProgramCounterMask, 4);
}

// The one-word forms.
void AppendOperands(std::string& out, Form form, int word, long address) {
    switch (form) {
    case Form::FileDest:
        AppendFile(out, word);
        out += (word & 0x200) ? ", F" : ", W";
        AppendAccess(out, word);
        break;
    case Form::File:
        AppendFile(out, word);
        AppendAccess(out, word);
        break;
    case Form::FileBit:
        AppendFile(out, word);
        out += ", ";
        out += static_cast<char>('0' + ((word >> 9) & 7));
        AppendAccess(out, word);
        break;
    case Form::Literal:
        out += ' ';
        AppendHex(out, word & 0xFF, 2);
        break;
    case Form::Bank:
        out += ' ';
        AppendHex(out, word & 0xF, 2);
        break;
    case Form::Fast:
        if (word & 1)
            out += " FAST";
        break;
    case Form::Branch8:
        AppendBranch(out, word, 8, address);
        break;
    case Form::Branch11:
        AppendBranch(out, word, 11, address);
        break;
    default:
        break;
    }
}

// The two-word forms; false when the second word does not belong to the first.
bool AppendLongOperands(std::string& out, Form form, int first, int second) {
    if ((second & 0xF000) != 0xF000)
        return false;
    out += ' ';
    switch (form) {
    case Form::Call:
    case Form::Goto:
        AppendHex(out, 2L * (((second & 0xFFF) << 8) | (first & 0xFF)), 4);
        if (form == Form::Call && (first & 0x100))
            out += ", FAST";
        return true;
    case Form::Lfsr:
        if ((second & 0xFF00) != 0xF000)
            return false;
        out += static_cast<char>('0' + ((first >> 4) & 3));
        out += ", ";
        AppendHex(out, ((first & 0xF) << 8) | (second & 0xFF), 3);
        return true;
    case Form::Movff:
        AppendHex(out, first & 0xFFF, 3);
        out += ", ";
        AppendHex(out, second & 0xFFF, 3);
        return true;
    default:
        return false;
    }
}

bool IsLongForm(Form form) {
    return form == Form::Call || form == Form::Goto || form == Form::Lfsr || form == Form::Movff;
}

} // namespace

Instruction DecodePic18(int first, int second, long address) {
    first &= 0xFFFF;
    const OpcodeRow* row = FindOpcode(kPic18, first);
    if (row == nullptr)
        return DataWord(first);
    Instruction in = Mnemonic(*row);
    if (!IsLongForm(row->form)) {
        AppendOperands(in.text, row->form, first, address);
        return in;
    }
    if (second < 0 || !AppendLongOperands(in.text, row->form, first, second & 0xFFFF))
        return DataWord(first);
    in.words = 2;
    return in;
}
