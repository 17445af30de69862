#pragma once

#include "cli/console_dialogs.h"
#include "cli/console_output.h"
#include "platform/file_places.h"
#include "platform/sleep.h"
#include "protocol/engine_texts.h"
#include "workbench/workbench.h"

#include <chrono>
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class WireTrace;

// The workbench in a console: the status line and the message boxes on
// standard error, and one loop on this thread that waits on the board's port
// itself and gives the engine its ticks (one thread: a board's 'Y' is answered
// by the wait it ends). The operations that end are kept for the run to take.
class ConsoleHost final : public BenchView {
public:
    ConsoleHost(ConsoleOutput& out, ConsoleDialogs& boxes, const FilePlaces& places, Sleeper sleep);
    ~ConsoleHost() override;
    ConsoleHost(const ConsoleHost&) = delete;
    ConsoleHost& operator=(const ConsoleHost&) = delete;

    enum class Served { Done, Interrupted };
    // Serves the port's events and, while the engine's timer is on, its ticks,
    // until done() holds or an interrupt (Ctrl-C) arrives.
    Served Serve(const std::function<bool()>& done);
    // Serve as the workbench's commands that wait take it: false when interrupted.
    ServeUntil Serving();
    // Serves for a fixed time, ignoring interrupts (the line settling).
    void ServeFor(int milliseconds);
    // Traces every state change and every byte on the line, with its time, to `out`.
    void Trace(std::ostream& out);
    // Also tells `tap` every state the engine enters (a recording, a replay).
    void AddStateTap(std::function<void(EngineState from, EngineState to)> tap);

    // An operation that ended, as the run reports it.
    struct Ended {
        OperationReport report;
        double seconds = 0; // from its start
    };
    // Operations ended and not yet taken, oldest first.
    bool HasEnded() const { return !ended_.empty(); }
    Ended TakeEnded();
    void ForgetEnded() { ended_.clear(); }

    // ---- BenchView ----
    Dialogs& dialogs() override { return boxes_; }
    void StatusChanged(const EngineStatus& status) override { out_.Status(Worded(status)); }
    void ProgressChanged(int value, int maximum) override { out_.Progress(value, maximum); }
    void OperationStarted(Operation operation) override;
    void OperationEnded(const OperationReport& report) override;

private:
    ConsoleOutput& out_;
    ConsoleDialogs& boxes_;
    DeadlineTicker ticker_;
    int interruptsSeen_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::deque<Ended> ended_;
    std::unique_ptr<WireTrace> trace_;
    std::vector<std::function<void(EngineState, EngineState)>> stateTaps_;

public:
    Workbench bench;
};
