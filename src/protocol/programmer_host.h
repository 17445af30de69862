#pragma once

#include <string>

class Dialogs;

// Which choice the erase dialog ended with.
enum class EraseChoice { Cancel, Check, Erase };
// What a Program does with the chip's calibration word, read before anything is
// erased or written: Check asks when the image would write another value; Keep
// writes the image's value without asking (the host has put the value to keep
// in the image); Refuse leaves the chip alone.
enum class CalibrationVerdict { Check, Keep, Refuse };

// Everything the engine needs from the program around it. The main window
// implements it with its port, widgets and timer; the command-line program with
// standard error; tests with the board simulator on a virtual clock.
class ProgrammerHost {
public:
    virtual ~ProgrammerHost() = default;

    // ---- The line to the board ----
    virtual void Send(const std::string& bytes) = 0;
    // DTR to `level`; nothing happens while the port is closed.
    virtual void SetProgrammerReset(int level) = 0;
    // Drops what the driver still holds for reading.
    virtual void PurgeRx() = 0;
    virtual bool PortOpen() const = 0;
    virtual int PortNumber() const = 0;
    // The port as messages name it: COM and its number, unless the front end
    // opened a device or a network server by name.
    virtual std::string PortName() const { return "COM " + std::to_string(PortNumber()); }

    // ---- Time ----
    // The 100 ms tick that drives the engine's watchdog, on or off.
    virtual void SetTimer(bool on) = 0;
    // A short fixed pause (the reset pulse, the automatic loop's settling).
    virtual void Pause(int milliseconds) = 0;

    // ---- What the user sees and answers ----
    // The status line, shown at once.
    virtual void SetStatus(const std::string& text) = 0;
    // Every progress bar of the program (main window and fly window).
    virtual void SetProgress(int value, int maximum) = 0;
    // Draws the window before a box or a pause; a host without one ignores it.
    virtual void RepaintWindow() {}
    virtual Dialogs& dialogs() = 0;
    virtual EraseChoice AskEraseChoice() = 0;

    // ---- Controls and options ----
    virtual void DisableUserButtons() = 0;
    // The controls of an idle program: commands enabled, Auto Program and Ignore
    // Blank Check unchecked, ICSP Mode enabled where the style has it.
    virtual void RestoreUserControls() = 0;
    // Auto Program checked, its label shown, ICSP Mode locked.
    virtual void EnterAutoMode() = 0;
    virtual bool IcspMode() const = 0;
    virtual bool AutoProgramOn() const = 0;
    virtual bool IgnoreBlankCheckOn() const = 0;
    // A board of another model greeted: switch to its style as the user would.
    virtual void SelectStyle(int style) = 0;

    // ---- Chip and memory image ----
    virtual bool ChipSelected() const = 0;
    // The ID digits, held by the fuse editor.
    virtual std::string IDText() const = 0;
    virtual void SetIDText(const std::string& text) = 0;
    // Empties the image with its companions (fuse selections, ID, listing, caption).
    virtual void ClearImage() = 0;
    // The Save command, offered before a Read replaces changed data.
    virtual void SaveImage() = 0;
    // Loads the HEX file again when it changed on disk; false stops the Program.
    virtual bool ReloadNewerFile() = 0;

    // ---- Views of the image (a host without a window has none to refresh) ----
    // The image changed: rebuild and show the listing.
    virtual void ShowListing() {}
    // The configuration words changed: bring the fuse editor's options in line.
    virtual void ShowFuses() {}
    // The calibration dialog's fields from the image.
    virtual void RefreshCalibrationDialog() {}
    // The calibration dialog's fields from a chip just read.
    virtual void ShowCalibration(const std::string& /*oscal*/, const std::string& /*bandGap*/) {}
    // A Program has read the chip's configuration (with its calibration word).
    virtual CalibrationVerdict CalibrationFound(const std::string& /*configBytes*/) {
        return CalibrationVerdict::Check;
    }
};
