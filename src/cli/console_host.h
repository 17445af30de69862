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
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class WireTrace;

// The programmer engine's host in a console: the port through the serial
// component, waited on by this thread itself, which runs the engine on what
// arrives and its 100 ms ticks (one thread: a board's 'Y' is answered by the
// thread it wakes); the status line and the message boxes on standard error.
// The chip, the image and the options come from the command line.
class ConsoleHost : public EngineClock, public OperatorPanel, public ImageKeeper {
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
    // Traces every state change and every byte on the line, with its time, to `out`.
    void Trace(std::ostream& out);

    // An operation that ended, as the run reports it.
    struct Ended {
        OperationReport report;
        std::string message; // the last box it showed; empty for none
        double seconds = 0;  // from its start
    };
    // Operations ended and not yet taken, oldest first.
    bool HasEnded() const { return !ended_.empty(); }
    Ended TakeEnded();
    void ForgetEnded() { ended_.clear(); }

private:
    std::unique_ptr<TSerial> serial_;
    SerialLine line_;

public:
    ChipRecord chip;
    MemoryImage image;
    std::string id;
    ProgrammerEngine engine{EngineHosts{line_, *this, *this, *this}, chip, image};

    bool chipSelected = false;
    // The chip file's lines, to name the chip in the socket by its ID.
    const std::vector<std::string>* chipFile = nullptr;
    // The command line's --icsp and --ignore-blank-check.
    OperationOptions options;
    // A board that greets as another model: its style is taken (the default),
    // or it is noted in otherBoard and the connection fails.
    bool adoptStyle = true;
    int otherBoard = -1;

    // ---- EngineClock ----
    void SetTimer(bool on) override;
    void Pause(int milliseconds) override { sleep_(milliseconds); }
    // ---- OperatorPanel ----
    void SetStatus(const std::string& text) override { out_.Status(text); }
    void SetProgress(int value, int maximum) override { out_.Progress(value, maximum); }
    Dialogs& dialogs() override { return boxes_; }
    void OperationStarted(Operation operation) override;
    void OperationEnded(const OperationReport& report) override;
    void SwitchStyle(int style) override;
    // ---- ImageKeeper ----
    bool ChipSelected() const override { return chipSelected; }
    std::string ChipWithDeviceId(int deviceId) const override;
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
    bool timer_ = false;
    int interruptsSeen_ = 0;
    std::chrono::steady_clock::time_point nextTick_;
    std::chrono::steady_clock::time_point started_;
    std::deque<Ended> ended_;
    std::unique_ptr<WireTrace> trace_;
};
