#pragma once

#include "protocol/engine_messages.h"

#include <optional>
#include <string>

// The operations the engine runs with a board.
enum class Operation {
    None,
    Program,
    Verify,
    Read,
    BlankCheck,
    Erase,
    ReadChipInfo,
    ReadCalibration,
    AutoProgram, // the loop that programs every chip put in the socket
};

// How to run an operation, as the user has chosen (the window's option marks,
// the command line's flags). Read when the operation starts and kept with it;
// the automatic loop keeps its own for every chip it programs.
struct OperationOptions {
    bool icsp = false;             // the chip is programmed in circuit (ICSP Mode)
    bool ignoreBlankCheck = false; // a chip that is not blank is left alone without asking
};

// What the erase dialog asks of a blank check on a flash chip.
enum class EraseChoice { Check, Erase };

// Whether an operation started, or why not. A refusal has been shown to the
// user already (a box), except Busy.
enum class StartResult {
    Started,
    NoChip,          // no chip selected
    NothingToDo,     // an empty image to program or verify
    ImageIncomplete, // the image is shorter than the chip
    NotSupported,    // the chip, the board or the options do not allow it
    Declined,        // a question answered No or Cancel
    FileNotReloaded, // the newer file on disk did not load, or the host said no
    Busy,            // another operation is under way
};

// How the last operation ended.
enum class Outcome {
    None,       // nothing finished yet
    Done,       // completed as asked
    Difference, // verify found a difference, or the chip is not blank
    Failed,     // the board reported a failure (write, ID/fuses, calibration)
    Declined,   // a question was answered No, or Ignore Blank Check stopped it
    Cancelled,  // the user cancelled
    NoAnswer,   // the board fell silent
    BadAnswer,  // an answer did not fit
    WrongBoard, // the board answered ReadModel with another model than the style's
};

// ResultDetails' region of a configuration word that differs.
inline constexpr const char* kFuseRegion = "FUSE";

// What an operation found beyond its outcome.
struct ResultDetails {
    // The first difference a verify or read-back found: "ROM", "EEPROM", "ID"
    // or "FUSE", the address its message names, the image's and the chip's value.
    std::string region;
    int address = -1;
    int good = -1;
    int bad = -1;
    int blankFlags = 0;   // what the blank check found not erased (BlankFlags bits)
    int modelAnswer = -1; // the board's answer to ReadModel: its model code, or 'X'
    // The chip found in the socket when it is not the chip selected: the
    // chip of the chip file whose device ID it reports (same core), empty
    // when none has it or the chip is the one selected.
    std::string socketChip;
    // A Program of a chip with a calibration word: the word the chip held, and
    // the word written in its place (-1 while none was written).
    int calibrationRead = -1;
    int calibrationWritten = -1;
    // Its bandgap bits (bits 13 and 12 of configuration word 1), likewise.
    int bandGapRead = -1;
    int bandGapWritten = -1;
};

// The end of one operation, as the host is told of it.
struct OperationReport {
    Operation operation = Operation::None;
    ::Outcome outcome = Outcome::None;
    ResultDetails details;
    // The chip's configuration answer read by the hand-shake (without its 'C'):
    // device ID, configuration words, calibration; empty when none came.
    std::string configBytes;
    // The automatic loop ended because its Program for the next chip did not
    // start: why (Started otherwise).
    StartResult refused = StartResult::Started;
    // The last message or question the operation showed (its workbench's
    // boxes among them); none when it showed none.
    std::optional<EngineMessage> message;
};
