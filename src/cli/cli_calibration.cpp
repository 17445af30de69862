// tessaro-cli: the chip's factory calibration. The engine records, for every
// Program of a chip with a calibration word, the value the chip held before it
// was erased and the value written (the results' `calibration` and `bandgap`);
// here a chip whose own value reads blank gets only the value the user gives.
#include "cli/cli_session.h"

#include "fuses/calibration.h"
#include "platform/translate.h"

namespace {
constexpr int kBlankCalibration = 0xFF;
} // namespace

bool CliSession::NoCalibrationWord() {
    if (Bench().Chip().CalWord)
        return false;
    out_.Say(MeSays(N_("the %1 has no calibration word"), Bench().Chip().ChipName), true);
    return true;
}

bool CliSession::PrepareCalibration() {
    if (o_.calibration >= 0 && NoCalibrationWord())
        return false;
    Bench().CalibrateBlankChips(o_.calibration);
    return true;
}

int CliSession::RunCalibration() {
    const ChipRecord& chip = Bench().Chip();
    if (NoCalibrationWord())
        return kExitInput;
    OperationResult r =
        RunOperation(CliCommand::Calibration, [this] { return Bench().ReadCalibration(options_); });
    const ChipCalibration found = Workbench::CalibrationOf(r.configBytes);
    const int word = found.word;
    const bool read = word >= 0;
    const bool blank = (word & 0xFF) == kBlankCalibration;
    const std::string bandGap = read ? BandGapText(found.bandGap) : "";
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
