// The disassembler against gputils' gpdasm: every word value of each core,
// one gpdasm run per core over a HEX file made here. Mnemonic and operands
// must agree once spacing, radix and case are normalised and the names we
// give numbers (W/F, ACCESS/BANKED, FAST) are read as the numbers; the words
// where we read the datasheets differently are listed below with the reason.
#include "hex_test_support.h"

#include "disasm/instruction_set.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

namespace {

using OracleWordMap = std::map<long, int>; // word address -> word

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
OracleWordMap OracleWords(InstructionSet set) {
    OracleWordMap words;
    if (set == InstructionSet::Baseline)
        for (int v = 0; v < 0x1000; ++v)
            words[0x1000 + v] = v;
    if (set == InstructionSet::Midrange)
        for (int v = 0; v < 0x4000; ++v)
            words[0x4000 + v] = v;
    if (set != InstructionSet::Pic18)
        return words;
    constexpr long kBranches = 0xD000, kBranchesEnd = 0xE800;
    long at = 0;
    for (long n = 0; n < 0x10000; ++n, at += 2) {
        const long v = (n + kBranches) & 0xFFFF; // the branches first, then the rest
        words[at] = static_cast<int>(v);
        const int mixed = static_cast<int>((v * 2654435761L >> 8) & 0xFFF);
        words[at + 1] = (v & 0xF) == 0x5 ? 0x1234 : 0xF000 | mixed;
    }
    static_assert(kBranchesEnd > kBranches);
    return words;
}

void WriteOracleHex(const OracleWordMap& words, const std::string& path) {
    std::ofstream out(path);
    long segment = -1;
    for (auto it = words.begin(); it != words.end();) {
        const long byte = 2 * it->first;
        if (byte >> 16 != segment) {
            segment = byte >> 16;
            out << hextest::Segment(static_cast<int>(segment)) << '\n';
        }
        std::string data;
        long next = it->first;
        for (int n = 0;
             n < 8 && it != words.end() && it->first == next && (2 * next) >> 16 == segment;
             ++n, ++it, ++next)
            data += hextest::Hex(it->second & 0xFF, 2) + hextest::Hex(it->second >> 8, 2);
        out << hextest::Record(static_cast<int>(byte & 0xFFFF), "00", data) << '\n';
    }
    out << hextest::kEnd << '\n';
}

// "movwf   0x20, 0x0" and "MOVWF 0x20, ACCESS" both become "movwf 32,0".
std::string NormaliseAsm(const std::string& text) {
    std::istringstream in(text);
    std::string mnemonic, operand, out;
    in >> mnemonic;
    for (char& c : mnemonic)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    out = mnemonic;
    char separator = ' ';
    while (std::getline(in >> std::ws, operand, ',')) {
        while (!operand.empty() && std::isspace(static_cast<unsigned char>(operand.back())))
            operand.pop_back();
        for (char& c : operand)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        static const std::map<std::string, long> kNames = {
            {"w", 0}, {"f", 1}, {"access", 0}, {"banked", 1}, {"fast", 1}};
        const auto named = kNames.find(operand);
        const long value = named != kNames.end() ? named->second : std::stol(operand, nullptr, 0);
        out += separator + std::to_string(value);
        separator = ',';
    }
    return out;
}

// gpdasm's reading: "0010:  3055  movlw   0x55" by word address; the second
// word of a two-word instruction has a line without a mnemonic.
std::map<long, std::string> GpdasmReading(const std::string& hex, const OracleCore& core) {
    const std::string listing = hex + ".dis";
    const std::string command =
        std::string("gpdasm -p ") + core.processor + " '" + hex + "' > '" + listing + "'";
    std::map<long, std::string> reading;
    if (std::system(command.c_str()) != 0)
        return reading;
    std::ifstream in(listing);
    const long perWord = core.set == InstructionSet::Pic18 ? 2 : 1;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string address, word, rest;
        if (!(fields >> address >> word) || address.back() != ':')
            continue;
        std::getline(fields >> std::ws, rest);
        if (!rest.empty())
            reading[std::stol(address, nullptr, 16) / perWord] = NormaliseAsm(rest);
    }
    return reading;
}

std::map<long, std::string> OurReading(const OracleWordMap& words, InstructionSet set) {
    std::vector<int> values;
    for (const auto& [address, word] : words)
        values.push_back(word);
    const long first = words.begin()->first;
    std::map<long, std::string> reading;
    for (std::size_t i = 0; i < values.size();) {
        const long address = first + static_cast<long>(i);
        const Instruction in =
            Decode(set, &values[i], values.size() - i, ProgramAddress(set, address));
        reading[address] = NormaliseAsm(in.text);
        i += static_cast<std::size_t>(in.words);
    }
    return reading;
}

class DisasmOracle : public testing::TestWithParam<OracleCore> {};

TEST_P(DisasmOracle, EveryWordReadsAsGpdasmReadsIt) {
    const OracleCore core = GetParam();
    const hextest::TempFolder folder;
    const OracleWordMap words = OracleWords(core.set);
    const std::string hex = folder.File(std::string(core.name) + ".hex");
    WriteOracleHex(words, hex);
    const auto theirs = GpdasmReading(hex, core);
    ASSERT_FALSE(theirs.empty()) << "gpdasm gave nothing for " << hex;
    const auto ours = OurReading(words, core.set);
    int differences = 0;
    std::map<const AllowedDifference*, int> used;
    long excused = -1; // the second word of an allowed difference, which one tool reads alone
    for (const auto& [address, first] : words) {
        const auto mine = ours.find(address), other = theirs.find(address);
        const std::string text = mine == ours.end() ? "(none)" : mine->second;
        const std::string gp = other == theirs.end() ? "(none)" : other->second;
        if (gp == text || address == excused)
            continue;
        const auto next = words.find(address + 1);
        const int second = next == words.end() ? -1 : next->second;
        if (const AllowedDifference* allowed = AllowedFor(core.set, first, second)) {
            ++used[allowed];
            excused = address + 1;
            continue;
        }
        if (++differences <= 40)
            ADD_FAILURE() << std::hex << "word " << first << " at " << address << ": ours " << text
                          << ", gpdasm " << gp;
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
