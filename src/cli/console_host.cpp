#include "cli/console_host.h"

#include "chipdb/chip_identify.h"
#include "cli/interrupts.h"
#include "cli/wire_trace.h"
#include "fuses/id_text.h"
#include "image/reset_code_memory.h"
#include "link/com_names.h"
#include "link/error_text.h"

#include <thread>

namespace {
constexpr auto kTick = std::chrono::milliseconds(100);
// The longest wait on the port before the loop looks at its end condition
// and at interrupts again.
constexpr auto kLookAgain = std::chrono::milliseconds(10);

// COMn in either case: n, or -1 for a COM name without a usable number (COM0;
// COM10 where the system has no ports above COM9), or 0 for text that is no
// COM name at all (a device path, say).
int ComNumber(const std::string& text) {
    if (text.size() < 4 || (text[0] | 0x20) != 'c' || (text[1] | 0x20) != 'o' ||
        (text[2] | 0x20) != 'm')
        return 0;
    if (text.find_first_not_of("0123456789", 3) != std::string::npos)
        return 0;
    const int n = text.size() <= 6 ? std::stoi(text.substr(3)) : 0;
    return n >= 1 && n <= HighestComNumber() && text[3] != '0' ? n : -1;
}
} // namespace

ConsoleHost::ConsoleHost(ConsoleOutput& out, ConsoleDialogs& boxes,
                         std::vector<std::string> portFolders, Sleeper sleep)
    : serial_(MakeBoardPort(nullptr, std::move(portFolders),
                            [this](TSerial&) { engine.OnBytes(line_.TakeReceived()); })),
      line_(*serial_), out_(out), boxes_(boxes), sleep_(std::move(sleep)) {}

ConsoleHost::~ConsoleHost() {
    // Closing drops DTR and RTS before the engine the port feeds goes.
    serial_.reset();
}

void ConsoleHost::Trace(std::ostream& out) {
    trace_ = std::make_unique<WireTrace>(out);
    line_.SetTap([this](const char* direction, const std::string& bytes) {
        trace_->Bytes(direction, bytes);
    });
    engine.SetTrace([this](EngineState from, EngineState to) { trace_->State(from, to); });
}

bool ConsoleHost::ChoosePort(const std::string& text) {
    const int n = ComNumber(text);
    if (n < 0)
        return false;
    if (n > 0 && n <= 9) {
        line_.SetPortName({});
        return serial_->SetPort(n);
    }
    PortTarget target;
    if (n > 9) {
        target.device = DefaultComDevice(n); // beyond ports/: the port itself
    } else if (ParseNetworkTarget(text, target.host, target.tcpPort)) {
        target.kind = PortTarget::Kind::Network;
    } else if (text.rfind("rfc2217:", 0) == 0 || text.empty()) {
        return false;
    } else {
        target.device = text;
    }
    line_.SetPortName(text);
    serial_->SetTarget(target);
    return true;
}

bool ConsoleHost::OpenPort(std::string& reason) {
    serial_->SetActive(true);
    if (serial_->Active())
        return true;
    reason = PortErrorText(serial_->ErrorCode());
    return false;
}

bool ConsoleHost::TickDue() const {
    return timer_ && std::chrono::steady_clock::now() >= nextTick_;
}

ConsoleHost::Served ConsoleHost::Serve(const std::function<bool()>& done) {
    for (;;) {
        if (done())
            return Served::Done;
        if (InterruptCount() != interruptsSeen_) {
            interruptsSeen_ = InterruptCount();
            return Served::Interrupted;
        }
        if (TickDue()) {
            // A tick that comes late (after a pause) is one tick, as with a window timer.
            nextTick_ = std::chrono::steady_clock::now() + kTick;
            engine.OnTick();
            continue;
        }
        auto wait = kLookAgain;
        if (timer_)
            wait = std::min(wait, std::chrono::ceil<std::chrono::milliseconds>(
                                      nextTick_ - std::chrono::steady_clock::now()));
        const int waitMs = std::max(0, static_cast<int>(wait.count()));
        // An interrupt ends the wait early (the signal breaks it off).
        if (!serial_->ServeEvents(waitMs))
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    }
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

void ConsoleHost::SetTimer(bool on) {
    // Starting the timer starts its interval anew, as a window timer does.
    timer_ = on;
    if (on)
        nextTick_ = std::chrono::steady_clock::now() + kTick;
}

void ConsoleHost::OperationStarted(Operation operation) {
    if (operation == Operation::AutoProgram)
        return;
    // A new operation: what the last one said is over.
    boxes_.ForgetLast();
    started_ = std::chrono::steady_clock::now();
}

void ConsoleHost::OperationEnded(const OperationReport& report) {
    Ended e;
    e.report = report;
    e.message = boxes_.LastText();
    e.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    ended_.push_back(std::move(e));
}

ConsoleHost::Ended ConsoleHost::TakeEnded() {
    Ended e = std::move(ended_.front());
    ended_.pop_front();
    return e;
}

void ConsoleHost::SwitchStyle(int style) {
    if (!adoptStyle) {
        otherBoard = style;
        return;
    }
    engine.SetStyle(style);
    engine.ResetProgrammer(true);
}

std::string ConsoleHost::ChipWithDeviceId(int deviceId) const {
    return chipFile ? ::ChipWithDeviceId(*chipFile, chip, deviceId) : std::string();
}

void ConsoleHost::ClearImage() {
    ResetImage(image, chip, false, false, false, "");
    id = BlankIDText(chip.IdTextLength());
}
