#include "cli/console_host.h"

#include "cli/interrupts.h"
#include "cli/wire_trace.h"
#include "link/serial.h"

#include <thread>

namespace {
// The longest wait on the port before the loop looks at its end condition
// and at interrupts again.
constexpr int kLookAgainMs = 10;
} // namespace

ConsoleHost::ConsoleHost(ConsoleOutput& out, ConsoleDialogs& boxes, const FilePlaces& places,
                         Sleeper sleep)
    : out_(out), boxes_(boxes), bench(*this, ticker_, std::move(sleep), places) {}

ConsoleHost::~ConsoleHost() = default;

void ConsoleHost::Trace(std::ostream& out) {
    trace_ = std::make_unique<WireTrace>(out);
    bench.SetLineTap([this](const char* direction, const std::string& bytes) {
        trace_->Bytes(direction, bytes);
    });
    AddStateTap([this](EngineState from, EngineState to) { trace_->State(from, to); });
}

void ConsoleHost::AddStateTap(std::function<void(EngineState, EngineState)> tap) {
    stateTaps_.push_back(std::move(tap));
    bench.SetTrace([this](EngineState from, EngineState to) {
        for (const auto& each : stateTaps_)
            each(from, to);
    });
}

ConsoleHost::Served ConsoleHost::Serve(const std::function<bool()>& done) {
    for (;;) {
        if (done())
            return Served::Done;
        if (InterruptCount() != interruptsSeen_) {
            interruptsSeen_ = InterruptCount();
            return Served::Interrupted;
        }
        if (ticker_.Due()) {
            bench.Tick();
            continue;
        }
        const int waitMs = ticker_.WaitMs(kLookAgainMs);
        // An interrupt ends the wait early (the signal breaks it off).
        if (!bench.Port().ServeEvents(waitMs))
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    }
}

ServeUntil ConsoleHost::Serving() {
    return [this](const std::function<bool()>& done) { return Serve(done) == Served::Done; };
}

void ConsoleHost::ServeFor(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    const int seen = interruptsSeen_;
    Serve([&] {
        interruptsSeen_ = InterruptCount(); // interrupts here are looked at afterwards
        return std::chrono::steady_clock::now() >= until;
    });
    interruptsSeen_ = seen;
}

void ConsoleHost::OperationStarted(Operation operation) {
    if (operation == Operation::AutoProgram)
        return;
    started_ = std::chrono::steady_clock::now();
}

void ConsoleHost::OperationEnded(const OperationReport& report) {
    Ended e;
    e.report = report;
    e.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    ended_.push_back(std::move(e));
}

ConsoleHost::Ended ConsoleHost::TakeEnded() {
    Ended e = std::move(ended_.front());
    ended_.pop_front();
    return e;
}
