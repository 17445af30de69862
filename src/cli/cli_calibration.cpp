// tessaro-cli: the chip's factory calibration. Every Program of a chip with a
// calibration word logs the value the chip held before it was erased and the
// value written; a chip whose own value reads blank gets only the value the
// user gives, never the image's.
#include "cli/cli_session.h"

#include "protocol/command_set.h"

namespace {
constexpr int kBlankCalibration = 0xFF;
// The calibration byte within the chip's configuration answer.
constexpr int kCalibrationByte = 25;

std::string HexWord(int value) {
    return Hex(value & 0xFFFF, 4);
}

std::string BandGapText(int word1) {
    return std::string(1, (word1 & 0x2000) != 0 ? '1' : '0') + ((word1 & 0x1000) != 0 ? '1' : '0');
}
} // namespace

// The instruction that holds the value: MOVLW on 12-bit cores, RETLW on the others.
int CliSession::CalibrationWord(int value) const {
    return (host_.chip.WordMask == 0xFFF ? 0x0C00 : 0x3400) | (value & 0xFF);
}

bool CliSession::NoCalibrationWord() {
    if (host_.chip.CalWord)
        return false;
    out_.Say(kMe + std::string("the ") + host_.chip.ChipName + " has no calibration word", true);
    return true;
}

bool CliSession::PrepareCalibration() {
    const ChipRecord& chip = host_.chip;
    if (o_.calibration >= 0 && NoCalibrationWord())
        return false;
    if (!chip.CalWord || host_.image.ROMData.empty())
        return true;
    std::vector<int>& rom = host_.image.ROMData;
    const auto last = static_cast<std::size_t>(chip.ROMSize - 1);
    if (rom.size() <= last)
        rom.resize(last + 1, chip.WordMask);
    // A value given for one chip is not the next chip's: each starts from the file's.
    host_.onCalibration = [this, last, fileWord = rom[last]](const std::string& config) {
        std::vector<int>& rom = host_.image.ROMData;
        rom[last] = fileWord;
        if (ConfigByte(config, kCalibrationByte) != kBlankCalibration)
            return CalibrationVerdict::Check;
        if (o_.calibration < 0) {
            boxes_.Error(kBlankCalibrationText);
            return CalibrationVerdict::Refuse;
        }
        rom[last] = CalibrationWord(o_.calibration);
        return CalibrationVerdict::Keep;
    };
    return true;
}

void CliSession::AddCalibration(JsonLine& line, const OperationResult& r) const {
    const ChipRecord& chip = host_.chip;
    if (!chip.CalWord || r.operation != "program" || r.configBytes.size() < kCalibrationByte)
        return;
    line.Str("calibration_read",
             HexWord(CalibrationWord(ConfigByte(r.configBytes, kCalibrationByte))));
    if (chip.BandGap)
        line.Str("bandgap_read", BandGapText(ChipConfigWord(r.configBytes, 1)));
    if (r.outcome != Outcome::Done)
        return;
    const auto last = static_cast<std::size_t>(chip.ROMSize - 1);
    const std::vector<int>& rom = host_.image.ROMData;
    line.Str("calibration_written", HexWord(last < rom.size() ? rom[last] : chip.WordMask));
    if (chip.BandGap)
        line.Str("bandgap_written", BandGapText(host_.image.FuseValue[1]));
}

int CliSession::RunCalibration() {
    const ChipRecord& chip = host_.chip;
    if (NoCalibrationWord())
        return kExitInput;
    OperationResult r = RunOperation("calibration", [this] { host_.engine.ReadCalibration(); });
    const bool read = r.configBytes.size() >= kCalibrationByte;
    const int word = read ? CalibrationWord(ConfigByte(r.configBytes, kCalibrationByte)) : -1;
    const std::string bandGap = read ? BandGapText(ChipConfigWord(r.configBytes, 1)) : "";
    Report(r, [&](JsonLine& line) {
        if (!read)
            return;
        line.Str("calibration_word", HexWord(word)).Bool("blank", (word & 0xFF) == 0xFF);
        if (chip.BandGap)
            line.Str("bandgap", bandGap);
    });
    if (read && !o_.json) {
        *env_.out << "calibration word: " << HexWord(word)
                  << ((word & 0xFF) == 0xFF ? " (blank)" : "") << '\n';
        if (chip.BandGap)
            *env_.out << "bandgap: " << bandGap << '\n';
    }
    return ExitCodeFor(r);
}
