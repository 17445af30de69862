// The disassembler against gputils' gpdasm: every word value of each core,
// one gpdasm run per core over a HEX file made here. Mnemonic and operands
// must agree once spacing, radix and case are normalised and the names we
// give numbers (W/F, ACCESS/BANKED, FAST) are read as the numbers; the words
// where we read the datasheets differently are listed below with the reason.
#include "hex_test_support.h"

#include "disasm/instruction_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>

namespace {

// The words given to both tools: consecutive from a first word address.
struct OracleWords {
    long first = 0;
    std::vector<int> words;
    int At(long address) const {
        const long i = address - first;
        return i >= 0 && i < static_cast<long>(words.size()) ? words[static_cast<std::size_t>(i)]
                                                             : -1;
    }
};

// Each tool's reading by word offset from the first; empty where a word was
// read as part of the instruction before it.
using OracleReading = std::vector<std::string>;

struct OracleCore {
    InstructionSet set;
    const char* processor;
    const char* name;
};

void PrintTo(const OracleCore& c, std::ostream* out) {
    *out << c.name;
}

// Words whose readings differ: the first word's values and, for the two-word
// instructions, the second's.
struct AllowedDifference {
    InstructionSet set;
    int from, to;
    const char* reason;
    int secondFrom = 0, secondTo = 0xFFFF;
};

// clang-format off
const AllowedDifference kAllowed[] = {
    {InstructionSet::Baseline, 0x001, 0x001,
     "TRIS 1: gpdasm takes any register number; the baseline tables give TRIS for the ports 5..7"},
    {InstructionSet::Midrange, 0x0061, 0x0061,
     "HALT: gputils' debugger opcode, not in the mid-range instruction tables"},
    {InstructionSet::Midrange, 0x0065, 0x0067,
     "TRIS: gpdasm shows the opcode's bits with the port (0x65); the operand is the port 5..7"},
    {InstructionSet::Midrange, 0x0100, 0x017F,
     "CLRW 00 0001 0xxx xxxx: gpdasm knows only the word gpasm writes (0x0103)"},
    {InstructionSet::Pic18, 0x0001, 0x0001,
     "HALT: gputils' debugger opcode, not in the PIC18 instruction tables"},
    {InstructionSet::Pic18, 0x00E0, 0x00E1,
     "TRAP, TRET: gputils' debugger opcodes, not in the PIC18 instruction tables"},
    {InstructionSet::Pic18, 0x0010, 0x0010, "RETFIE: gpdasm writes the fast bit 0; code leaves it out"},
    {InstructionSet::Pic18, 0x0012, 0x0012, "RETURN: gpdasm writes the fast bit 0; code leaves it out"},
    {InstructionSet::Pic18, 0xEC00, 0xECFF, "CALL: gpdasm writes the fast bit 0; code leaves it out"},
    {InstructionSet::Pic18, 0xED00, 0xEDFF,
     "CALL beyond 128K: gpdasm folds a target into the chip's memory (p18f8722); we show the word's",
     0xF100, 0xFFFF},
    {InstructionSet::Pic18, 0xEE00, 0xEE3F,
     "LFSR with a second word other than 1111 0000 kkkk kkkk: gpdasm ignores the 0000; we show "
     "data, so that every instruction shown assembles back to its own words",
     0xF100, 0xFFFF},
    {InstructionSet::Pic18, 0xEF00, 0xEFFF,
     "GOTO beyond 128K: gpdasm folds a target into the chip's memory (p18f8722); we show the word's",
     0xF100, 0xFFFF},
};
// clang-format on

const AllowedDifference* AllowedFor(InstructionSet set, int first, int second) {
    for (const AllowedDifference& a : kAllowed)
        if (a.set == set && first >= a.from && first <= a.to && second >= a.secondFrom &&
            second <= a.secondTo)
            return &a;
    return nullptr;
}

// The words to disassemble. The narrow cores' words sit above the chip's
// configuration and EEPROM windows, where gpdasm reads them as code. On PIC18
// each value is followed by a second word for the two-word instructions
// (mostly 1111 xxxx xxxx xxxx, every sixteenth one that is not), and the
// relative branches come first: gpdasm reads a branch whose target lies
// beyond the chip's program memory as data.
OracleWords OracleWordsFor(InstructionSet set) {
    OracleWords w;
    if (set == InstructionSet::Baseline) {
        w.first = 0x1000;
        for (int v = 0; v < 0x1000; ++v)
            w.words.push_back(v);
    }
    if (set == InstructionSet::Midrange) {
        w.first = 0x4000;
        for (int v = 0; v < 0x4000; ++v)
            w.words.push_back(v);
    }
    if (set != InstructionSet::Pic18)
        return w;
    constexpr long kBranches = 0xD000;
    for (long n = 0; n < 0x10000; ++n) {
        const long v = (n + kBranches) & 0xFFFF; // the branches first, then the rest
        const int mixed = static_cast<int>((v * 2654435761L >> 8) & 0xFFF);
        w.words.push_back(static_cast<int>(v));
        w.words.push_back((v & 0xF) == 0x5 ? 0x1234 : 0xF000 | mixed);
    }
    return w;
}

void WriteOracleHex(const OracleWords& w, const std::string& path) {
    std::ofstream out(path);
    long segment = -1;
    for (std::size_t i = 0; i < w.words.size();) {
        const long byte = 2 * (w.first + static_cast<long>(i));
        if (byte >> 16 != segment) {
            segment = byte >> 16;
            out << hextest::Segment(static_cast<int>(segment)) << '\n';
        }
        // 8 words a record, none across a 64K segment (segments hold whole records).
        std::string data;
        for (int n = 0; n < 8 && i < w.words.size(); ++n, ++i)
            data += hextest::Hex(w.words[i] & 0xFF, 2) + hextest::Hex(w.words[i] >> 8, 2);
        out << hextest::Record(static_cast<int>(byte & 0xFFFF), "00", data) << '\n';
    }
    out << hextest::kEnd << '\n';
}

// An operand's value: a number in C radix, or one of the names we give numbers.
long OperandValue(const char* text) {
    if (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')
        return std::strtol(text, nullptr, 0);
    const std::string name = text;
    if (name == "w" || name == "access")
        return 0;
    if (name == "f" || name == "banked" || name == "fast")
        return 1;
    return -1000; // no operand either tool writes
}

// "movwf   0x20, 0x0" and "MOVWF 0x20, ACCESS" both become "movwf 32,0".
std::string NormaliseAsm(const std::string& text) {
    std::string out;
    char operand[32];
    std::size_t n = 0;
    bool inMnemonic = true, operands = false;
    const auto endOperand = [&] {
        if (n == 0)
            return;
        operand[n] = '\0';
        out += (operands ? "," : " ") + std::to_string(OperandValue(operand));
        operands = true;
        n = 0;
    };
    for (const char raw : text) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw)));
        if (c == ' ' || c == '\t') {
            inMnemonic = out.empty() ? inMnemonic : false;
        } else if (inMnemonic) {
            out += c;
        } else if (c == ',') {
            endOperand();
        } else if (n + 1 < sizeof operand) {
            operand[n++] = c;
        }
    }
    endOperand();
    return out;
}

// gpdasm's reading: "0010:  3055  movlw   0x55"; the second word of a two-word
// instruction has a line without a mnemonic.
OracleReading GpdasmReading(const std::string& hex, const OracleCore& core, const OracleWords& w) {
    const std::string listing = hex + ".dis";
    const std::string command =
        std::string("gpdasm -p ") + core.processor + " '" + hex + "' > '" + listing + "'";
    OracleReading reading(w.words.size());
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(listing);
    const long perWord = core.set == InstructionSet::Pic18 ? 2 : 1;
    for (std::string line; std::getline(in, line);) {
        const std::size_t colon = line.find(':');
        const std::size_t word = line.find_first_not_of(' ', colon + 1);
        const std::size_t gap = line.find(' ', word);
        const std::size_t rest = line.find_first_not_of(' ', gap);
        if (colon == std::string::npos || rest == std::string::npos)
            continue;
        const long i = std::stol(line.substr(0, colon), nullptr, 16) / perWord - w.first;
        if (i >= 0 && i < static_cast<long>(reading.size()))
            reading[static_cast<std::size_t>(i)] = NormaliseAsm(line.substr(rest));
    }
    return reading;
}

OracleReading OurReading(const OracleWords& w, InstructionSet set) {
    OracleReading reading(w.words.size());
    for (std::size_t i = 0; i < w.words.size();) {
        const long address = w.first + static_cast<long>(i);
        const Instruction in =
            Decode(set, &w.words[i], w.words.size() - i, ProgramAddress(set, address));
        reading[i] = NormaliseAsm(in.text);
        i += static_cast<std::size_t>(in.words);
    }
    return reading;
}

class DisasmOracle : public testing::TestWithParam<OracleCore> {};

TEST_P(DisasmOracle, EveryWordReadsAsGpdasmReadsIt) {
    const OracleCore core = GetParam();
    const hextest::TempFolder folder;
    const OracleWords w = OracleWordsFor(core.set);
    const std::string hex = folder.File(std::string(core.name) + ".hex");
    WriteOracleHex(w, hex);
    const OracleReading theirs = GpdasmReading(hex, core, w);
    ASSERT_FALSE(theirs.empty()) << "gpdasm gave nothing for " << hex;
    const OracleReading ours = OurReading(w, core.set);
    int differences = 0;
    std::map<const AllowedDifference*, int> used;
    std::size_t excused = w.words.size(); // the second word of an allowed difference
    for (std::size_t i = 0; i < w.words.size(); ++i) {
        if (ours[i] == theirs[i] || i == excused)
            continue;
        const long address = w.first + static_cast<long>(i);
        if (const AllowedDifference* allowed =
                AllowedFor(core.set, w.words[i], w.At(address + 1))) {
            ++used[allowed];
            excused = i + 1;
            continue;
        }
        if (++differences <= 40)
            ADD_FAILURE() << std::hex << "word " << w.words[i] << " at " << address << ": ours '"
                          << ours[i] << "', gpdasm '" << theirs[i] << "'";
    }
    EXPECT_EQ(differences, 0);
    for (const AllowedDifference& a : kAllowed) {
        if (a.set == core.set) {
            EXPECT_GT(used[&a], 0) << "no longer differs: " << a.reason;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cores, DisasmOracle,
    testing::Values(OracleCore{InstructionSet::Baseline, "p12f508", "Baseline"},
                    OracleCore{InstructionSet::Midrange, "p16f877a", "Midrange"},
                    OracleCore{InstructionSet::Pic18, "p18f8722", "Pic18"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
