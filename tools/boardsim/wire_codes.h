#pragma once

#include <cstdint>
#include <string>

// The bytes a programmer board exchanges with its host: command codes, answers
// and the model codes of the announcement. The simulator keeps its own copy so
// that it stays independent of the program it is tested against.
namespace boardsim {

namespace cmd {
inline constexpr std::uint8_t CommandEnd = 0x01;
inline constexpr std::uint8_t Echo = 0x02;
inline constexpr std::uint8_t InitVariables = 0x03;
inline constexpr std::uint8_t VoltagesOn = 0x04;
inline constexpr std::uint8_t VoltagesOff = 0x05;
inline constexpr std::uint8_t CycleVoltages = 0x06;
inline constexpr std::uint8_t ProgramROM = 0x07;
inline constexpr std::uint8_t ProgramEEPROM = 0x08;
inline constexpr std::uint8_t ProgramIDFuses = 0x09;
inline constexpr std::uint8_t WriteCalibration = 0x0A;
inline constexpr std::uint8_t ReadROM = 0x0B;
inline constexpr std::uint8_t ReadEEPROM = 0x0C;
inline constexpr std::uint8_t ReadConfig = 0x0D;
inline constexpr std::uint8_t EraseChip = 0x0F;
inline constexpr std::uint8_t BlankCheckROM = 0x10;
inline constexpr std::uint8_t BlankCheckEEPROM = 0x11;
inline constexpr std::uint8_t ProgramFuses = 0x14;
inline constexpr std::uint8_t WaitChipInsertion = 0x15;
inline constexpr std::uint8_t WaitChipRemoval = 0x16;
inline constexpr std::uint8_t ReadModel = 0x17;
inline constexpr std::uint8_t CommandStart = 0x50; // 'P'
} // namespace cmd

// Argument bytes that follow each command code.
inline constexpr int kInitVariablesArgs = 11;
inline constexpr int kProgramIDFusesArgs = 24;
inline constexpr int kWriteCalibrationArgs = 4;
inline constexpr int kBlockSize = 16;       // bytes per ReadROM / ReadEEPROM block
inline constexpr int kCheckPageWords = 256; // words per 'B' of a blank check
inline constexpr int kErasePageBytes = 256; // bytes per 'C' of a serial EEPROM erase
inline constexpr int kConfigWords = 7;
inline constexpr int kIdBytes = 8;
inline constexpr int kReadConfigLength = 27;

namespace answer {
inline constexpr char Start = 'P';
inline constexpr char Init = 'I';
inline constexpr char End = 'Q';
inline constexpr char On = 'V';
inline constexpr char Off = 'v';
inline constexpr char Yes = 'Y';
inline constexpr char No = 'N';
inline constexpr char Page = 'B';
inline constexpr char Config = 'C';
inline constexpr char Calibration = 'C';
inline constexpr char BandGap = 'F';
inline constexpr char Armed = 'A';
inline constexpr char Refused = 'X';
inline constexpr char Busy = '?';
inline constexpr char Announce = 'B';
inline constexpr char Done = 'P';
inline constexpr std::uint8_t StatusOk = 0xFF;
inline constexpr std::uint8_t StatusFailed = 0x00;
inline constexpr const char* I2cNoAnswer = "?E?P";
inline constexpr const char* NotSupported = "?F?N";
} // namespace answer

enum class Model { Alder, Birch_A, Birch_B, Cedar, Elm };

// Code the board gives in its ReadModel answer (0..4).
std::uint8_t ModelCode(Model model);
// Second byte of the announcement after a reset (0..3, or 'L' for Elm).
std::uint8_t AnnouncementCode(Model model);
// DTR level that holds the board in reset: high for Alder, Cedar and Elm.
bool ResetLevel(Model model);
const char* ModelName(Model model);
// Accepts the names above in any case, or a digit 0..4.
bool ParseModel(const std::string& text, Model& model);

// Readable command name for transcripts ("ReadConfig"); "0x12" for unknown codes.
std::string CommandName(std::uint8_t code);
// Accepts a command name (any case) or a number such as 0x0D or 13; -1 when unknown.
int ParseCommand(const std::string& text);

} // namespace boardsim
