#include "engine/chip_program.h"

#include "fuses/fuse_values.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>

namespace everychip {

namespace {

std::string HexText(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

// gpasm's name of the chip: "16F628A" is p=16f628a, its header p16f628a.inc.
std::string ProcessorName(std::string chip) {
    std::transform(chip.begin(), chip.end(), chip.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return chip;
}

// One register's share of a record's configuration word: all of a 12/14-bit
// word, or the low or high byte of a 16-bit core's word k.
struct Part {
    long address;
    int shift;
    int width;
    int blank; // the record's blank word there: the bits a loaded file keeps
};

std::vector<Part> PartsOf(const ChipRecord& chip, int word) {
    const int blank = chip.FuseBlank[static_cast<std::size_t>(word)];
    if (chip.IsWide()) {
        const long low = 0x300000 + 2L * (word - 1);
        return {{low, 0, 0xFF, blank & 0xFF}, {low + 1, 8, 0xFF, blank >> 8}};
    }
    return {{chip.IsBaseline() ? 0xFFF : 0x2007, 0, chip.WordMask, blank}};
}

bool IsCodeProtection(const std::string& label) {
    for (const char* kind : {"Code Protect", "Data Protect", "Boot Protect"})
        if (label.rfind(kind, 0) == 0)
            return true;
    return false;
}

// Writes the CONFIG lines that select item `pick` of the row in the part's
// register, or says where gputils' table disagrees with the row.
void SelectInPart(const FuseRow& row, std::size_t pick, const Part& part,
                  const std::vector<GpasmRegister>& table,
                  std::map<std::string, std::string>& config,
                  std::vector<std::string>& disagreements) {
    const auto valueOf = [&](std::size_t i) {
        return (FuseItemValue(row.items[i]) >> part.shift) & part.width;
    };
    int field = 0;
    for (std::size_t i = 0; i < row.items.size(); ++i)
        field |= valueOf(i) ^ valueOf(0);
    if (field == 0)
        return;
    const std::string what = row.label + " \"" + FuseItemName(row.items[pick]) + "\": ";
    const auto reg = std::find_if(table.begin(), table.end(), [&](const GpasmRegister& r) {
        return r.address == part.address;
    });
    if (reg == table.end()) {
        disagreements.push_back(what + "gputils has no configuration register at " +
                                HexText(part.address));
        return;
    }
    if ((field & ~reg->mask) != 0)
        disagreements.push_back(what + "bits " + HexText(field & ~reg->mask) + " of " +
                                HexText(part.address) + " are not implemented in gputils");
    if ((field & reg->mask & ~part.blank) != 0)
        disagreements.push_back(what + "bits " + HexText(field & reg->mask & ~part.blank) + " of " +
                                HexText(part.address) + " are 0 in FUSEBLANK");
    int covered = 0;
    for (const GpasmSetting& setting : reg->settings) {
        if ((setting.field & field) == 0)
            continue;
        covered |= setting.field;
        const int value = valueOf(pick) & setting.field;
        const auto option =
            std::find_if(setting.options.begin(), setting.options.end(),
                         [&](const std::pair<std::string, int>& o) { return o.second == value; });
        if (option == setting.options.end())
            disagreements.push_back(what + "gputils' " + setting.name + " has no value " +
                                    HexText(value));
        else if (!config.emplace(setting.name, option->first).second)
            disagreements.push_back(what + "gputils' " + setting.name +
                                    " is set by another list too");
    }
    if ((field & ~covered) != 0)
        disagreements.push_back(what + "bits " + HexText(field & ~covered) +
                                " belong to no gputils setting");
}

void WriteIdLocations(const ChipRecord& chip, std::ostream& src) {
    if (!chip.IsWide()) {
        src << "        __idlocs 0x" << std::string(kIdDigits, 4) << "\n";
        return;
    }
    for (int i = 0; i < 8; ++i)
        src << "        __idlocs " << HexText(0x200000 + i) << ", 0x" << kIdDigits[i] << "\n";
}

} // namespace

std::vector<GpasmRegister> GpasmConfigTable(const std::string& chip) {
    std::vector<GpasmRegister> table;
    FILE* out = popen(("gpasm -s -p " + ProcessorName(chip) + " 2>/dev/null").c_str(), "r");
    if (out == nullptr)
        return table;
    char line[256];
    char word[64];
    long address = 0;
    unsigned mask = 0;
    unsigned value = 0;
    while (std::fgets(line, sizeof line, out) != nullptr) {
        if (std::sscanf(line, " Config Word : address = %lx, mask = %x", &address, &mask) == 2)
            table.push_back({address, static_cast<int>(mask), {}});
        else if (!table.empty() && std::sscanf(line, " Directive: %63s", word) == 1)
            table.back().settings.push_back({word, 0, {}});
        else if (!table.empty() && !table.back().settings.empty() &&
                 std::sscanf(line, " Option: %63s = %x", word, &value) == 2)
            table.back().settings.back().options.emplace_back(word, static_cast<int>(value));
    }
    pclose(out);
    // A setting chooses between the bits in which its options differ.
    for (GpasmRegister& reg : table)
        for (GpasmSetting& setting : reg.settings)
            for (const auto& option : setting.options)
                setting.field |= option.second ^ setting.options.front().second;
    return table;
}

ChipProgram MakeChipProgram(const ChipRecord& chip, const FuseRows& rows,
                            const std::vector<GpasmRegister>& table) {
    ChipProgram program;
    std::map<std::string, std::string> config; // gputils' setting and its option
    for (std::size_t n = 1; n < rows.size(); ++n) {
        const FuseRow& row = rows[n];
        if (row.items.size() < 2 || IsCodeProtection(row.label))
            continue;
        const std::size_t pick = row.items.size() - 1; // the first is the erased word's
        const int word = chip.IsWide() ? chip.FuseListWord[n] : 1;
        for (const Part& part : PartsOf(chip, word))
            SelectInPart(row, pick, part, table, config, program.disagreements);
        program.chosen.emplace_back(static_cast<int>(n), static_cast<int>(pick));
    }
    const std::string name = ProcessorName(chip.ChipName);
    std::ostringstream src;
    src << "        list    p=" << name << "\n        include \"p" << name << ".inc\"\n";
    for (const auto& [setting, option] : config)
        src << "        config  " << setting << " = " << option << "\n";
    WriteIdLocations(chip, src);
    // 16-bit cores address bytes; the last word is left of the calibration word.
    const long scale = chip.IsWide() ? 2 : 1;
    const long last = chip.ROMSize - 1 - (chip.CalWord ? 1 : 0);
    src << "        org     0\n        retlw   0x5A\n"
        << "        org     " << HexText(scale * last) << "\n        retlw   0xA5\n";
    // Every EEPROM byte, in one run from the first: after an org to EEPROM
    // byte n > 0 of a 14-bit core, gpasm 1.4 writes at file byte 0x4200 + n
    // instead of 0x4200 + 2n.
    if (chip.EEPROMSize > 0)
        src << "        org     " << HexText(chip.IsWide() ? 0xF00000 : 0x2100);
    for (int at = 0; at < chip.EEPROMSize; ++at)
        src << (at % 16 == 0 ? "\n        de      " : ", ") << HexText(EepromByte(at));
    src << "\n";
    src << "        end\n";
    program.source = src.str();
    return program;
}

long FileAddressOf(const ChipRecord& chip, long registerAddress) {
    return chip.IsWide() ? registerAddress : 2 * registerAddress;
}

int EepromByte(int address) {
    return (address * 0x25 + 0x11) & 0xFF;
}

} // namespace everychip
