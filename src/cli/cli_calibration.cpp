// tessaro-cli: the chip's factory calibration. The engine records, for every
// Program of a chip with a calibration word, the value the chip held before it
// was erased and the value written (the results' `calibration` and `bandgap`);
// here a chip whose own value reads blank gets only the value the user gives.
#include "cli/cli_session.h"

#include "fuses/calibration.h"
#include "platform/translate.h"
#include "protocol/command_set.h"

namespace {
// The calibration byte within the chip's configuration answer.
constexpr int kCalibrationByte = 25;
constexpr int kBlankCalibration = 0xFF;
} // namespace

bool CliSession::NoCalibrationWord() {
    if (Bench().Chip().CalWord)
        return false;
    out_.Say(MeSays(N_("the %1 has no calibration word"), Bench().Chip().ChipName), true);
    return true;
}

bool CliSession::PrepareCalibration() {
    const ChipRecord& chip = Bench().Chip();
    if (o_.calibration >= 0 && NoCalibrationWord())
        return false;
    if (!chip.CalWord || Bench().Image().ROMData.empty())
        return true;
    std::vector<int>& rom = Bench().Image().ROMData;
    const auto last = static_cast<std::size_t>(chip.ROMSize - 1);
    if (rom.size() <= last)
        rom.resize(last + 1, chip.WordMask);
    // A value given for one chip is not the next chip's: each starts from the file's.
    Bench().onCalibration = [this, last, fileWord = rom[last]](const std::string& config) {
        std::vector<int>& rom = Bench().Image().ROMData;
        rom[last] = fileWord;
        if (ConfigByte(config, kCalibrationByte) != kBlankCalibration)
            return CalibrationVerdict::Check;
        if (o_.calibration < 0) {
            boxes_.Error(kBlankCalibrationText);
            return CalibrationVerdict::Refuse;
        }
        rom[last] = Bench().Chip().CalibrationOpcode() | o_.calibration;
        return CalibrationVerdict::Keep;
    };
    return true;
}

int CliSession::RunCalibration() {
    const ChipRecord& chip = Bench().Chip();
    if (NoCalibrationWord())
        return kExitInput;
    OperationResult r =
        RunOperation(CliCommand::Calibration, [this] { return Bench().ReadCalibration(options_); });
    const bool read = r.configBytes.size() >= kCalibrationByte + 1;
    const int word = read ? CalibrationWordRead(r.configBytes) : -1;
    const bool blank = (word & 0xFF) == kBlankCalibration;
    const std::string bandGap = read ? BandGapText(ChipConfigWord(r.configBytes, 1)) : "";
    Report(r, [&](JsonLine& line) {
        if (!read)
            return;
        line.Str("calibration_word", Hex(word, 4)).Bool("blank", blank);
        if (chip.BandGap)
            line.Str("bandgap", bandGap);
    });
    if (read && !o_.json) {
        *env_.out << Translated(Arg(blank ? N_("calibration word: %1 (blank)")
                                          : N_("calibration word: %1"),
                                    Hex(word, 4)))
                  << '\n';
        if (chip.BandGap)
            *env_.out << Translated(Arg(N_("bandgap: %1"), bandGap)) << '\n';
    }
    return ExitCodeFor(r);
}
