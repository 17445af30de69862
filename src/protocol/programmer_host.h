#pragma once

#include "protocol/operation.h"

#include <string>

class Dialogs;

// What the engine needs from the program around it, by role. The main window
// is all four; the command-line program's host likewise, each doing only what
// it has (no window to repaint, no listing to refresh); tests and benchmarks
// implement them over the board simulator on a virtual clock.

// The line to the board.
class BoardLine {
public:
    virtual ~BoardLine() = default;
    virtual void Send(const std::string& bytes) = 0;
    // The reset line (DTR) to `level`; nothing happens while the port is closed.
    virtual void SetProgrammerReset(bool level) = 0;
    // Drops what the driver still holds for reading.
    virtual void PurgeRx() = 0;
    virtual bool PortOpen() const = 0;
    // The port as messages name it ("COM 3", a device path, a network server).
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

// What the user sees and answers.
class OperatorPanel {
public:
    virtual ~OperatorPanel() = default;
    // The status line, shown at once.
    virtual void SetStatus(const std::string& text) = 0;
    // Every progress bar of the program (main window and fly window).
    virtual void SetProgress(int value, int maximum) = 0;
    // Message boxes and questions.
    virtual Dialogs& dialogs() = 0;
    // Draws the window before a box or a pause; a host without one ignores it.
    virtual void RepaintWindow() {}

    // An operation has begun: the commands are the engine's until it ends. The
    // automatic loop is an operation too; the Programs it presses start and end
    // inside it.
    virtual void OperationStarted(Operation /*operation*/) {}
    // Once for every operation that started, when it is over and every box it
    // showed has been answered: how it ended and what it found.
    virtual void OperationEnded(const OperationReport& /*report*/) {}
    // The engine is back at idle (after every operation, reset and greeting):
    // the controls of an idle program, automatic mode and Ignore Blank Check off.
    virtual void BackToIdle() {}
    // A board of another model greeted: switch to its style as the user would.
    virtual void SwitchStyle(int style) = 0;

    // Views of the image (a host without a window has none to refresh).
    // The image changed: rebuild and show the listing.
    virtual void ShowListing() {}
    // The configuration words changed: bring the fuse editor's options in line.
    virtual void ShowFuses() {}
    // The calibration dialog's fields from the image.
    virtual void RefreshCalibrationDialog() {}
    // The calibration dialog's fields from a chip just read.
    virtual void ShowCalibration(const std::string& /*oscal*/, const std::string& /*bandGap*/) {}
};

// What a Program does with the chip's calibration word, read before anything is
// erased or written: Check asks when the image would write another value; Keep
// writes the image's value without asking (the host has put the value to keep
// in the image); Refuse leaves the chip alone.
enum class CalibrationVerdict { Check, Keep, Refuse };

// The user's side of the chip: the selection, the ID digits that go with the
// memory image, and the image's file.
class ImageKeeper {
public:
    virtual ~ImageKeeper() = default;
    virtual bool ChipSelected() const = 0;
    // The chip of the chip file, of the selected chip's core, whose device ID
    // is `deviceId`; empty when none (chipdb's ChipWithDeviceId).
    virtual std::string ChipWithDeviceId(int /*deviceId*/) const { return {}; }
    // The ID digits (the fuse editor holds them in the window).
    virtual std::string IDText() const = 0;
    virtual void SetIDText(const std::string& text) = 0;
    // Empties the image with its companions (fuse selections, ID, listing, caption).
    virtual void ClearImage() = 0;
    // The Save command, offered before a Read replaces changed data.
    virtual void SaveImage() = 0;
    // Loads the HEX file again when it changed on disk; false stops the Program.
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
