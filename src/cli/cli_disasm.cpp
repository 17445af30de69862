// tessaro-cli: the program memory as instructions (disasm FILE, read --disasm),
// and the configuration words by the options they select, also when a verify
// finds one that differs.
#include "cli/cli_session.h"

#include "disasm/disassembly.h"
#include "fuses/fuse_explain.h"

#include <ostream>

namespace {

constexpr const char* kCalibrationKey = "calibration";

std::string WordsJson(const DisasmLine& line, const std::vector<int>& rom) {
    std::vector<std::string> words = {Hex(rom[line.index], 4)};
    if (line.count == 2 && !line.blank)
        words.push_back(Hex(rom[line.index + 1], 4));
    return JsonStringArray(words);
}

std::string LineJson(const DisasmLine& line, const std::vector<int>& rom, InstructionSet set) {
    JsonLine json;
    json.Str("address", Hex(ProgramAddress(set, line.index), 4)).Raw("words", WordsJson(line, rom));
    if (line.blank)
        json.Int("blank_words", line.count);
    else
        json.Str("instruction", line.text);
    if (line.calibration)
        json.Bool(kCalibrationKey, true);
    return json.Text();
}

} // namespace

std::vector<std::string> CliSession::FuseDifference(const OperationResult& r) const {
    const ResultDetails& d = r.details;
    if (r.outcome != Outcome::Difference || d.region != kFuseRegion)
        return {};
    return Bench().FuseDifference(d);
}

int CliSession::RunDisasm() {
    if (!SelectChip() || !PrepareImage())
        return kExitInput;
    if (!InstructionSetOf(Bench().Chip())) {
        out_.Say(MeSays(N_("the %1 holds no code"), Bench().Chip().ChipName), true);
        return kExitInput;
    }
    PrintDisassembly();
    return kExitOk;
}

void CliSession::PrintDisassembly() {
    const ChipRecord& chip = Bench().Chip();
    const std::vector<int>& rom = Bench().ProgramWords();
    const Disassembly code = Disassemble(chip, rom);
    std::ostream& out = *env_.out;
    for (const DisasmLine& line : code.lines)
        out << (o_.json ? LineJson(line, rom, code.set) : DisasmLineText(line, rom, code.set))
            << '\n';
    for (int word = 1; word <= chip.ConfigWords(); ++word) {
        const int value = Bench().ConfigWords()[static_cast<std::size_t>(word)];
        const std::vector<FuseSetting> settings = FuseSettings(Bench().Fuses(), chip, word, value);
        if (o_.json) {
            JsonLine options;
            for (const FuseSetting& s : settings)
                options.Str(s.label, s.option);
            out << JsonLine()
                       .Str("address", Hex(ConfigWordAddress(chip, word), 4))
                       .Int("configuration_word", word)
                       .Str("value", Hex(value, 4))
                       .Raw("options", options.Text())
                       .Text()
                << '\n';
            continue;
        }
        std::string text = ListingAddress(ConfigWordAddress(chip, word)) + ": ";
        AppendWordText(text, value, code.set);
        out << text << "      ; configuration word " << word << '\n';
        for (const FuseSetting& s : settings)
            out << "    " << s.label << ": " << s.option << '\n';
    }
    out.flush();
}
