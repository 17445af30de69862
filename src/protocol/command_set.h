#pragma once

#include "chipdb/chip_record.h"
#include "fuses/calibration.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The board's command set: one encoder per command, and the few rules by which
// an answer is cut out of the received text. The board answers every command;
// it never speaks unasked except for its greeting after a reset.
namespace cmd {
inline constexpr char CommandStart = 'P';
inline constexpr char CommandEnd = 0x01;
inline constexpr char Echo = 0x02;
inline constexpr char InitVariables = 0x03;
inline constexpr char VoltagesOn = 0x04;
inline constexpr char VoltagesOff = 0x05;
inline constexpr char CycleVoltages = 0x06;
inline constexpr char ProgramROM = 0x07;
inline constexpr char ProgramEEPROM = 0x08;
inline constexpr char ProgramIDFuses = 0x09;
inline constexpr char WriteCalibration = 0x0A;
inline constexpr char ReadROM = 0x0B;
inline constexpr char ReadEEPROM = 0x0C;
inline constexpr char ReadConfig = 0x0D;
inline constexpr char EraseChip = 0x0F;
inline constexpr char BlankCheckROM = 0x10;
inline constexpr char BlankCheckEEPROM = 0x11;
inline constexpr char ProgramFuses = 0x14;
inline constexpr char WaitChipInsertion = 0x15;
inline constexpr char WaitChipRemoval = 0x16;
inline constexpr char ReadModel = 0x17;
} // namespace cmd

inline constexpr std::size_t kBlockBytes = 16;        // one ReadROM / ReadEEPROM block
inline constexpr std::size_t kConfigAnswerBytes = 27; // 'C' and 26 bytes
inline constexpr int kBlankCheckStep = 256;           // words per 'B' of a blank check
inline constexpr int kEraseStep = 256;                // bytes per 'C' of a serial EEPROM erase

// One command byte.
std::string Command(char code);
// Commands that need CommandStart in the same write: "P" 0x15, "P" 0x16.
std::string StartedCommand(char code);

// InitVariables: "P" 0x03 and the chip's 11 parameters, in the writes they go
// out in ("P" 0x03, ROM size, EEPROM size, the rest). In ICSP mode the power
// sequences that switch Vpp first (3, 4) become their Vcc-first twins (1, 2),
// since the target circuit holds Vcc.
std::vector<std::string> InitVariablesWrites(const ChipRecord& chip, bool icsp);

// ProgramROM / ProgramEEPROM with the count that follows, high byte first.
std::string ProgramROMBytes(int words);
std::string ProgramEEPROMBytes(int bytes);
// A program word as the board takes it after a 'Y': high byte, then low byte.
std::string WordBytes(int word);

// ProgramIDFuses: 0x09, "00", the 8 ID digits (a 4-digit ID goes out as its
// digits and "FFFF"), configuration words 1..7 low byte first.
std::string ProgramIDFusesBytes(const std::string& idText, const std::array<int, 8>& fuseValue);

// WriteCalibration: 0x0A, the chip's calibration word as read (high byte
// first), then the word that puts the chip's own bandgap bits under an erased
// configuration word 1.
std::string WriteCalibrationBytes(const std::string& configBytes, int fuseBlank1);

// BlankCheckROM with the high byte of an erased program word.
std::string BlankCheckROMBytes(int wordMask);

// Echo: the board answers with the character itself.
std::string EchoBytes(char c);

// The 16-bit cores keep their supply on between the steps of an operation: they
// get an Echo where the others switch it. These three are the only places
// that choose.
std::string VoltagesOnFor(int coreType);
std::string CycleVoltagesFor(int coreType);
std::string VoltagesOffFor(int coreType);

// The ReadConfig answer without its 'C' (26 bytes), read by 1-based position.
int ConfigByte(const std::string& configBytes, int position);
// Chip identification word: revision in the low 5 bits, device ID above.
int ChipIdWord(const std::string& configBytes);
// The device ID of an identification word, as CHIPID gives it, and its revision.
inline int DeviceIdOf(int idWord) {
    return idWord & 0x3FE0;
}
inline int RevisionOf(int idWord) {
    return idWord & 0x1F;
}
// The chip's calibration word (its last program word) as ReadConfig reports it.
int CalibrationWordRead(const std::string& configBytes);
// Configuration word k (1..7) as the chip holds it.
int ChipConfigWord(const std::string& configBytes, int k);

// Answer rules. A state applies one of them to the whole received text.
// A proper beginning of a multi-byte answer: the rest is still on its way.
bool IsStartOf(const std::string& rx, std::string_view text);
// The board's error strings ("?E?P": the serial EEPROM does not answer; "?F?N":
// the firmware lacks the command) are no answers: text that holds one, or has
// begun one, waits for the silence watch, which names it.
bool BoardErrorPending(const std::string& rx);
// Busy marks: the board answers '?' while it is still writing. A '?' that opens
// one of its error strings ("?E?P", "?F?N") is no busy mark; such text waits for
// the silence watch, which names the error. Returns the position of the first
// byte after the busy marks, or npos while nothing but busy marks (or an error
// string) has arrived.
std::size_t AfterBusyAnswers(const std::string& rx);
