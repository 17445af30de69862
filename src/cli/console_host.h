#pragma once

#include "chipdb/chip_record.h"
#include "cli/console_dialogs.h"
#include "cli/console_output.h"
#include "image/memory_image.h"
#include "link/serial.h"
#include "platform/sleep.h"
#include "protocol/engine.h"
#include "protocol/serial_line_host.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The programmer engine's host in a console: the port through the serial
// component, waited on by this thread itself, which runs the engine on what
// arrives and its 100 ms ticks (one thread: a board's 'Y' is answered by the
// thread it wakes); the status line and the message boxes on standard error.
// The chip, the image and the options come from the command line.
class ConsoleHost : public SerialLineHost {
public:
    // portFolders: the folders whose ports/comN name COMn, as the window has them.
    ConsoleHost(ConsoleOutput& out, ConsoleDialogs& boxes, std::vector<std::string> portFolders,
                Sleeper sleep);
    ~ConsoleHost() override;
    ConsoleHost(const ConsoleHost&) = delete;
    ConsoleHost& operator=(const ConsoleHost&) = delete;

    // COMn (through the program folder's ports/, as the window names it), a
    // device path or rfc2217://HOST:PORT. False when the text names no port.
    bool ChoosePort(const std::string& text);
    // Opens the chosen port; false with the system's reason.
    bool OpenPort(std::string& reason);

    enum class Served { Done, Interrupted };
    // Serves the port's events and, while the engine's timer is on, its ticks,
    // until done() holds or an interrupt (Ctrl-C) arrives.
    Served Serve(const std::function<bool()>& done);
    // Serves for a fixed time, ignoring interrupts (the line settling).
    void ServeFor(int milliseconds);
    // Nothing under way and nothing awaited: state 0, timer off.
    bool Idle() const { return engine.Idle() && !timer_; }
    // The automatic loop pressed Program for the next chip and it did not start.
    bool ProgramRefused() const { return pressPending_; }

    ChipRecord chip;
    MemoryImage image;
    std::string id;
    ProgrammerEngine engine{*this, chip, image};

    bool chipSelected = false;
    bool icsp = false;
    bool ignoreBlankCheck = false;
    // A board that greets as another model: its style is taken (the default),
    // or it is noted in otherBoard and the connection fails.
    bool adoptStyle = true;
    int otherBoard = -1;
    EraseChoice eraseChoice = EraseChoice::Check;
    // Automatic mode: chips to start before the loop ends after the last one
    // (0: until interrupted), and operations started so far.
    int autoCount = 0;
    int starts = 0;
    std::chrono::steady_clock::time_point started;

    // ---- ProgrammerHost ----
    std::string PortName() const override { return portName_; }
    void SetTimer(bool on) override;
    void Pause(int milliseconds) override;
    void SetStatus(const std::string& text) override { out_.Status(text); }
    void SetProgress(int value, int maximum) override { out_.Progress(value, maximum); }
    Dialogs& dialogs() override { return boxes_; }
    EraseChoice AskEraseChoice() override { return eraseChoice; }
    void DisableUserButtons() override;
    void RestoreUserControls() override { autoProgram_ = false; }
    void EnterAutoMode() override { autoProgram_ = true; }
    bool IcspMode() const override { return icsp; }
    bool AutoProgramOn() const override { return autoProgram_; }
    bool IgnoreBlankCheckOn() const override { return ignoreBlankCheck; }
    void SelectStyle(int style) override;
    bool ChipSelected() const override { return chipSelected; }
    std::string IDText() const override { return id; }
    void SetIDText(const std::string& text) override { id = text; }
    void ClearImage() override;
    // The image is the command line's file; a read starts from nothing to save.
    void SaveImage() override {}
    // The file given on the command line is loaded once (watch mode loads it
    // again between Programs). Before each chip is programmed the run may put
    // its serial number into the image (beforeProgram); false stops the
    // operation before the chip is touched.
    bool ReloadNewerFile() override { return !beforeProgram || beforeProgram(); }
    std::function<bool()> beforeProgram;
    CalibrationVerdict CalibrationFound(const std::string& configBytes) override {
        return onCalibration ? onCalibration(configBytes) : CalibrationVerdict::Check;
    }
    // What a Program does with the chip's calibration; unset: as the window does.
    std::function<CalibrationVerdict(const std::string&)> onCalibration;

private:
    bool TickDue() const;

    ConsoleOutput& out_;
    ConsoleDialogs& boxes_;
    Sleeper sleep_;
    std::string portName_;
    bool timer_ = false;
    bool autoProgram_ = false;
    bool pressPending_ = false;
    int interruptsSeen_ = 0;
    std::chrono::steady_clock::time_point nextTick_;
    // Last: the port closes before the engine it feeds goes.
    std::unique_ptr<TSerial> serial_;
};
