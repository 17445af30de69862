#pragma once

#include "platform/dialogs.h"
#include "protocol/engine_messages.h"
#include "protocol/operation.h"

#include <string>

// What the engine needs from the program around it, by role, in the engine's
// own words. The workbench plays all four for both programs; tests and
// benchmarks play them over the board simulator on a virtual clock.

// The line to the board.
class BoardLine {
public:
    virtual ~BoardLine() = default;
    virtual void Send(const std::string& bytes) = 0;
    // The reset line (DTR) to `level`; nothing happens while the port is closed.
    virtual void SetProgrammerReset(bool level) = 0;
    // Drops what the driver still holds for reading.
    virtual void PurgeRx() = 0;
    // The port as messages name it ("COM 3", a device path, a network
    // server); empty while it is closed.
    virtual std::string PortName() const = 0;
};

// Time as the engine sees it.
class EngineClock {
public:
    virtual ~EngineClock() = default;
    // The 100 ms tick that drives the engine's watchdog (OnTick), on or off;
    // turning it on starts its interval anew.
    virtual void SetTimer(bool on) = 0;
    // A short fixed pause (the reset pulse, the automatic loop's settling).
    virtual void Pause(int milliseconds) = 0;
};

// The person at the board: what they are told and asked, and the course of
// the operations they started. What the engine reports are values; the panel
// words them (protocol/engine_texts.h) and shows the words.
class OperatorPanel {
public:
    virtual ~OperatorPanel() = default;
    // The status: what the engine does or waits for.
    virtual void StatusReported(const EngineStatus& status) = 0;
    // How far the step under way has come.
    virtual void SetProgress(int value, int maximum) = 0;
    // A message box: information or an error.
    virtual void Tell(const EngineMessage& message) = 0;
    // A question, answered Yes or No.
    virtual Dialogs::Answer Ask(const EngineMessage& question) = 0;

    // An operation has begun: the commands are the engine's until it ends. The
    // automatic loop is an operation too; the Programs it presses start and end
    // inside it.
    virtual void OperationStarted(Operation /*operation*/) {}
    // Once for every operation that started, when it is over and every box it
    // showed has been answered: how it ended and what it found.
    virtual void OperationEnded(const OperationReport& /*report*/) {}
    // The engine is back at idle (after every operation, reset and greeting).
    virtual void BackToIdle() {}
    // A board of another model greeted, and the user has been told so.
    virtual void OtherBoardGreeted(int style) = 0;
};

// What a Program does with the chip's calibration word, read before anything is
// erased or written: Check asks when the image would write another value; Keep
// writes the image's value without asking (the host has put the value to keep
// in the image); Refuse leaves the chip alone.
enum class CalibrationVerdict { Check, Keep, Refuse };

// The user's side of the chip: the selection and the memory image's file. The
// image itself (with its ID digits) is the engine's to read and, by a Read, to
// fill.
class ImageKeeper {
public:
    virtual ~ImageKeeper() = default;
    virtual bool ChipSelected() const = 0;
    // The chip of the chip file, of the selected chip's core, whose device ID
    // is `deviceId`; empty when none (chipdb's ChipWithDeviceId).
    virtual std::string ChipWithDeviceId(int /*deviceId*/) const { return {}; }
    // Empties the image and what goes with it (the file's name, the fuse choices).
    virtual void ClearImage() = 0;
    // A Read has filled the image: its data and, on a chip with program memory,
    // its ID digits and configuration words.
    virtual void ImageRead() {}
    // Loads the image's file again when it changed on disk; false stops the Program.
    virtual bool ReloadNewerFile() = 0;
    // A Program has read the chip's configuration (with its calibration word).
    virtual CalibrationVerdict CalibrationFound(const std::string& /*configBytes*/) {
        return CalibrationVerdict::Check;
    }
};

// The four roles, for a host that plays them all.
class ProgrammerHost : public BoardLine,
                       public EngineClock,
                       public OperatorPanel,
                       public ImageKeeper {};

// The roles one engine is given; one object may play several.
struct EngineHosts {
    BoardLine& line;
    EngineClock& clock;
    OperatorPanel& panel;
    ImageKeeper& keeper;

    static EngineHosts Of(ProgrammerHost& host) { return {host, host, host, host}; }
};
