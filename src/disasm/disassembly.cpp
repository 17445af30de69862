#include "disasm/disassembly.h"

#include "disasm/opcode_table.h"

#include <algorithm>

namespace {

constexpr const char* kCalibrationNote = "; calibration";
constexpr const char* kBlankNote = ", blank";

// The index of the calibration word (the last program word), or past the end.
std::size_t CalibrationIndex(const ChipRecord& chip, std::size_t end) {
    return chip.CalWord && chip.ROMSize >= 1 && static_cast<std::size_t>(chip.ROMSize) <= end
               ? static_cast<std::size_t>(chip.ROMSize - 1)
               : end;
}

// Blank words from `i` on, stopping at `stop`.
std::size_t BlankRun(const std::vector<int>& rom, std::size_t i, std::size_t stop, int blank) {
    std::size_t n = 0;
    while (i + n < stop && rom[i + n] == blank)
        ++n;
    return n;
}

} // namespace

void AppendWordText(std::string& out, int word, InstructionSet set) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // A 12-bit word shows 3 digits after a blank, as in the hex listing.
    out += set == InstructionSet::Baseline ? ' ' : kDigits[(word >> 12) & 0xF];
    for (int shift = 8; shift >= 0; shift -= 4)
        out += kDigits[(word >> shift) & 0xF];
}

Disassembly Disassemble(const ChipRecord& chip, const std::vector<int>& rom) {
    Disassembly out;
    const auto set = InstructionSetOf(chip);
    if (!set)
        return out;
    out.set = *set;
    const std::size_t end =
        std::min(rom.size(), static_cast<std::size_t>(std::max(chip.ROMSize, 0)));
    const std::size_t calibration = CalibrationIndex(chip, end);
    const int blank = BlankWord(*set);
    out.lines.reserve(end);
    // A lone blank word is an instruction only on the baseline, where it is the
    // word an assembler writes for XORLW 0xFF; the mid-range 0x3FFF reads as an
    // ADDLW whose assembler writes 0x3EFF, and 0xFFFF is no PIC18 instruction.
    const std::size_t shortestRun = *set == InstructionSet::Baseline ? 2 : 1;
    for (std::size_t i = 0; i < end;) {
        DisasmLine line;
        line.index = i;
        line.calibration = i == calibration;
        // Neither a blank run nor a two-word instruction reaches over the calibration word.
        const std::size_t stop = i < calibration ? calibration : end;
        const std::size_t run = BlankRun(rom, i, stop, blank);
        if (run >= shortestRun) {
            line.count = static_cast<int>(run);
            line.blank = true;
        } else {
            Instruction in = Decode(*set, &rom[i], stop - i, ProgramAddress(*set, i));
            line.text = std::move(in.text);
            line.count = in.words;
        }
        i += static_cast<std::size_t>(line.count);
        out.lines.push_back(std::move(line));
    }
    return out;
}

std::string ListingAddress(long address) {
    std::string text;
    AppendHex(text, address, 4);
    return text.substr(2);
}

std::string DisasmLineText(const DisasmLine& line, const std::vector<int>& rom,
                           InstructionSet set) {
    std::string out = ListingAddress(ProgramAddress(set, line.index));
    out += ": ";
    AppendWordText(out, rom[line.index], set);
    out += ' ';
    if (line.count == 2 && !line.blank)
        AppendWordText(out, rom[line.index + 1], set);
    else
        out += "    ";
    out += ' ';
    if (line.blank && line.calibration)
        return out + kCalibrationNote + kBlankNote;
    if (line.blank && line.count == 1)
        return out + "; blank";
    if (line.blank) {
        const std::size_t last = line.index + static_cast<std::size_t>(line.count) - 1;
        return out + "; blank up to " + ListingAddress(ProgramAddress(set, last)) + " (" +
               std::to_string(line.count) + " words)";
    }
    out += line.text;
    if (line.calibration)
        out += std::string("  ") + kCalibrationNote;
    if (line.calibration && rom[line.index] == BlankWord(set))
        out += kBlankNote;
    return out;
}
