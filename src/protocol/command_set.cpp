#include "protocol/command_set.h"

#include "chipdb/hex_text.h"

namespace {
constexpr int kIdDigits = 8;

char Byte(int value) {
    return static_cast<char>(value & 0xFF);
}

std::string HighLow(int value) {
    return {Byte(value >> 8), Byte(value)};
}

// Power sequences 3 and 4 switch Vpp before Vcc; an in-circuit target already
// has Vcc, so it gets the Vcc-first sequences 1 and 2.
int PowerSequenceFor(int sequence, bool icsp) {
    if (icsp && sequence == 3)
        return 1;
    if (icsp && sequence == 4)
        return 2;
    return sequence;
}
} // namespace

std::string Command(char code) {
    return std::string(1, code);
}

std::string StartedCommand(char code) {
    return {cmd::CommandStart, code};
}

std::vector<std::string> InitVariablesWrites(const ChipRecord& chip, bool icsp) {
    std::string parameters = {
        Byte(chip.CoreType),     Byte(chip.CalFlags),
        Byte(chip.ProgramDelay), Byte(PowerSequenceFor(chip.PowerSequence, icsp)),
        Byte(chip.EraseMode),    Byte(chip.ProgramTries),
        Byte(chip.OverProgram)};
    return {StartedCommand(cmd::InitVariables), HighLow(chip.ROMSize), HighLow(chip.EEPROMSize),
            parameters};
}

std::string ProgramROMBytes(int words) {
    return Command(cmd::ProgramROM) + HighLow(words);
}

std::string ProgramEEPROMBytes(int bytes) {
    return Command(cmd::ProgramEEPROM) + HighLow(bytes);
}

std::string WordBytes(int word) {
    return HighLow(word);
}

std::string ProgramIDFusesBytes(const std::string& idText, const std::array<int, 8>& fuseValue) {
    std::string id = idText.size() == 4 ? idText + "FFFF" : idText;
    id.resize(kIdDigits, 'F');
    std::string out = {cmd::ProgramIDFuses, '0', '0'};
    for (char digit : id) {
        const int value = HexDigitValue(digit);
        out += Byte(value < 0 ? 0x0F : value);
    }
    for (int k = 1; k <= 7; ++k) {
        out += Byte(fuseValue[static_cast<std::size_t>(k)]);
        out += Byte(fuseValue[static_cast<std::size_t>(k)] >> 8);
    }
    return out;
}

std::string WriteCalibrationBytes(const std::string& configBytes, int fuseBlank1) {
    const int word = (fuseBlank1 & 0x0FFF) | (ChipConfigWord(configBytes, 1) & kBandGapBits);
    return {cmd::WriteCalibration, Byte(ConfigByte(configBytes, 26)),
            Byte(ConfigByte(configBytes, 25)), Byte(word >> 8), Byte(word)};
}

std::string BlankCheckROMBytes(int wordMask) {
    return {cmd::BlankCheckROM, Byte(wordMask >> 8)};
}

std::string EchoBytes(char c) {
    return {cmd::Echo, c};
}

std::string VoltagesOnFor(int coreType) {
    return IsWideCore(CoreOf(coreType)) ? EchoBytes('V') : Command(cmd::VoltagesOn);
}

std::string CycleVoltagesFor(int coreType) {
    return IsWideCore(CoreOf(coreType)) ? EchoBytes('V') : Command(cmd::CycleVoltages);
}

std::string VoltagesOffFor(int coreType) {
    return IsWideCore(CoreOf(coreType)) ? EchoBytes('v') : Command(cmd::VoltagesOff);
}

int ConfigByte(const std::string& configBytes, int position) {
    const auto i = static_cast<std::size_t>(position - 1);
    if (position < 1 || i >= configBytes.size())
        return 0;
    return static_cast<unsigned char>(configBytes[i]);
}

int ChipIdWord(const std::string& configBytes) {
    return ConfigByte(configBytes, 2) * 256 + ConfigByte(configBytes, 1);
}

int CalibrationWordRead(const std::string& configBytes) {
    return ConfigByte(configBytes, 26) * 256 + ConfigByte(configBytes, 25);
}

int ChipConfigWord(const std::string& configBytes, int k) {
    return ConfigByte(configBytes, 10 + 2 * k) * 256 + ConfigByte(configBytes, 9 + 2 * k);
}

bool IsStartOf(const std::string& rx, std::string_view text) {
    return rx.size() < text.size() && text.substr(0, rx.size()) == rx;
}

bool BoardErrorPending(const std::string& rx) {
    for (std::string_view error : {std::string_view("?E?P"), std::string_view("?F?N")})
        if (rx.find(error) != std::string::npos || IsStartOf(rx, error))
            return true;
    return false;
}

std::size_t AfterBusyAnswers(const std::string& rx) {
    std::size_t i = 0;
    while (i < rx.size() && rx[i] == '?') {
        if (i + 1 < rx.size() && (rx[i + 1] == 'E' || rx[i + 1] == 'F'))
            return std::string::npos;
        ++i;
    }
    return i < rx.size() ? i : std::string::npos;
}
