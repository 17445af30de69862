#include "disasm/instruction_set.h"

#include "disasm/decode_narrow.h"
#include "disasm/decode_pic18.h"

std::optional<InstructionSet> InstructionSetOf(const ChipRecord& chip) {
    if (chip.IsBaseline())
        return InstructionSet::Baseline;
    if (chip.IsMidrange())
        return InstructionSet::Midrange;
    if (chip.IsWide())
        return InstructionSet::Pic18;
    return std::nullopt;
}

int BlankWord(InstructionSet set) {
    switch (set) {
    case InstructionSet::Baseline:
        return 0xFFF;
    case InstructionSet::Midrange:
        return 0x3FFF;
    default:
        return 0xFFFF;
    }
}

long ProgramAddress(InstructionSet set, std::size_t index) {
    const long word = static_cast<long>(index);
    return set == InstructionSet::Pic18 ? 2 * word : word;
}

Instruction Decode(InstructionSet set, const int* words, std::size_t available, long address) {
    switch (set) {
    case InstructionSet::Baseline:
        return DecodeBaseline(words[0]);
    case InstructionSet::Midrange:
        return DecodeMidrange(words[0]);
    default:
        return DecodePic18(words[0], available > 1 ? words[1] : -1, address);
    }
}
