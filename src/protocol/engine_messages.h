#pragma once

#include "image/memory_region.h"

#include <string>
#include <utility>

// What the engine tells the person at the board, as values: what happened and
// its particulars. The engine says no words; every face words these values
// through one catalogue (protocol/engine_texts.h) and shows the words its own way.
// The program around the engine (its host) tells its own in the same values,
// in sections of their own, so that an operation's report carries them alike.

// The status: what the engine (or its host) does or waits for.
enum class StatusWord {
    Ready,
    Error,
    Resetting,
    BoardConnected, // style: the board's
    SystemMatching,
    ResetError,
    CommsError,
    I2cError,
    FunctionError,
    WaitingForRemoval,
    WaitingForInsertion,
    Initializing,
    CheckingFor, // chip
    Confirming,
    EraseCheck,
    BlankResults,
    KeepingCalibration, // word: the chip's calibration word
    Erasing,
    EraseResult,
    Upgrading,
    ProgrammingRom,
    ProgrammingError,
    ProgrammingEeprom,
    VerifyingEeprom,
    ProgrammingId,
    ProgrammingConfig,
    ProgrammingResult,
    ProgrammingFuse,
    ReadingRom,
    ReadingEeprom,
    VerifyingRom,
    VerifyResult,
    // The host's own (the program around the engine).
    ChipError,      // the board's own chip is not in the chip list
    FileError,      // its upgrade image does not load
    BoardUnplugged, // the board's port went away with its device
    Saving,
    ProgramReady,  // after the save dialog
    OutsideMemory, // count: bytes of the file (text) outside the chip's memory
    Last = OutsideMemory,
};

// The messages and questions: what happened, in the order of the engine's
// work. The comments name the particulars each one carries.
enum class MessageWord {
    // Refusals of a start.
    SelectChip,
    NothingToProgram,
    NothingToVerify,
    ImageIncomplete,
    ChipIdNotSupported,
    AutoWithSerialEeprom,
    AutoWithIcsp,
    CodeProtection, // question
    EraseWholeChip, // question
    // The board and the line.
    OtherBoard,         // style, boardStyle
    ResetFailed,        // port (empty: none open), style
    BoardNotResponding, // the board is reset after each of these four
    I2cNotResponding,
    FunctionNotSupported,
    ReceivedDataError,
    EepromNotResponding,
    WrongBoard, // style, boardStyle
    // The chip in the socket.
    UnknownChip, // question: chip, socketChip, or deviceId when no chip of the list has it
    ChipInfo,    // chip, revision, deviceId
    // Results.
    BlankResults,            // blank
    ProgramNotBlank,         // question: blank
    EraseAndProgramNotBlank, // question: blank
    CalibrationMismatch,     // question
    ChipErased,
    CalibrationWriteError,
    CalibrationBandGapWriteError,
    BandGapWriteError,
    Difference,          // region, address, good, bad
    RomProgrammingError, // address
    IdFuseProgrammingError,
    ProgrammingComplete,
    WideProgrammingComplete, // a 16-bit core's, after its configuration read back
    DataVerified,
    // The host's own boxes and questions (the program around the engine: the
    // image's file, the chip file, the settings, the port).
    DataChanged,     // question, with Cancel where it can be declined
    ReadOverChanges, // question with Cancel: a Read's offer to save first
    NothingToSave,
    SaveProblem,
    ChipFileMissing,        // the chip editor's: the file is not there
    ChipFileMissingOrEmpty, // the chip list's: the file is not there or has no lines
    ChipFileSyntax,         // text: the line of the chip file
    ChipFileNoChips,        // no chip of the file is offered for the style
    HexFileUnreadable,      // the image's file: not there, too large or not read
    HexFileBadLine,         // count: the index of the file's faulty line
    HexFileBadRegion,       // region: the part of the chip whose records did not load
    DifferentCoreType,      // question: load program words wider than the chip's, cut
    ChipListNotSaved,       // path, text: why
    SettingsNotSaved,       // path, text: why
    PortProblem,            // the port does not open
    CannotWritePort,        // count: the COM number, text: why
    RecentFileGone,         // path
    UpgradeChipMissing,     // the board's own chip is not in the chip list
    UpgradeFileError,       // its upgrade image is not there or does not load
    InsertUpgradeChip,      // question
    TrySocketChip,          // question: socketChip
    BlankCalibration,       // tessaro-cli: a blank calibration word with no value given
    Last = BlankCalibration,
};

// How a message is shown: told, told as an error, or asked (Yes or No).
enum class MessageKind { Information, Error, Question };

// The blank check's findings: the parts of the chip it checked and those it
// found not erased, as BlankPart bits (the bits of ResultDetails::blankFlags).
enum BlankPart : int { kBlankRom = 1, kBlankEeprom = 2, kBlankId = 4, kBlankFuse = 8 };
struct BlankFindings {
    int checked = 0;
    int notErased = 0;
};

// The particulars of a status, a message or a question: each sets those its
// comment above names; the others stay as they are.
struct Particulars {
    std::string chip{};       // the chip selected
    std::string socketChip{}; // the chip of the list whose device ID the socket's chip reports
    std::string port{};       // the port as messages name it
    std::string text{};       // as the value's comment says
    std::string path{};       // a file
    int style = -1;           // the programmer style selected
    int boardStyle = -1;      // the style the board named
    MemoryRegion region = MemoryRegion::Rom;
    int address = -1; // ID digits: 0x2000 and the digit's number
    int good = -1;    // the image's value
    int bad = -1;     // the chip's
    int deviceId = -1;
    int revision = -1;
    int word = -1; // a calibration word
    BlankFindings blank{};
    int count = -1; // a number the words name
};

// The kind each message is shown as.
constexpr MessageKind MessageKindOf(MessageWord what) {
    switch (what) {
    case MessageWord::CodeProtection:
    case MessageWord::EraseWholeChip:
    case MessageWord::UnknownChip:
    case MessageWord::ProgramNotBlank:
    case MessageWord::EraseAndProgramNotBlank:
    case MessageWord::CalibrationMismatch:
    case MessageWord::DataChanged:
    case MessageWord::ReadOverChanges:
    case MessageWord::InsertUpgradeChip:
    case MessageWord::TrySocketChip:
    case MessageWord::DifferentCoreType:
        return MessageKind::Question;
    case MessageWord::AutoWithSerialEeprom:
    case MessageWord::AutoWithIcsp:
    case MessageWord::ResetFailed:
    case MessageWord::BoardNotResponding:
    case MessageWord::I2cNotResponding:
    case MessageWord::FunctionNotSupported:
    case MessageWord::ReceivedDataError:
    case MessageWord::EepromNotResponding:
    case MessageWord::WrongBoard:
    case MessageWord::CalibrationWriteError:
    case MessageWord::CalibrationBandGapWriteError:
    case MessageWord::BandGapWriteError:
    case MessageWord::Difference:
    case MessageWord::RomProgrammingError:
    case MessageWord::IdFuseProgrammingError:
    case MessageWord::SaveProblem:
    case MessageWord::ChipFileMissing:
    case MessageWord::ChipFileMissingOrEmpty:
    case MessageWord::ChipFileSyntax:
    case MessageWord::ChipFileNoChips:
    case MessageWord::HexFileUnreadable:
    case MessageWord::HexFileBadLine:
    case MessageWord::HexFileBadRegion:
    case MessageWord::ChipListNotSaved:
    case MessageWord::SettingsNotSaved:
    case MessageWord::PortProblem:
    case MessageWord::CannotWritePort:
    case MessageWord::RecentFileGone:
    case MessageWord::UpgradeChipMissing:
    case MessageWord::UpgradeFileError:
    case MessageWord::BlankCalibration:
        return MessageKind::Error;
    default:
        return MessageKind::Information;
    }
}

struct EngineStatus {
    StatusWord word = StatusWord::Ready;
    Particulars of{};
};

// A message box or a question.
struct EngineMessage {
    EngineMessage(MessageWord word, Particulars particulars = {})
        : what(word), kind(MessageKindOf(word)), of(std::move(particulars)) {}

    MessageWord what;
    MessageKind kind;
    Particulars of;
};
