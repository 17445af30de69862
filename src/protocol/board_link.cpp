// The board connection: reset pulse and greeting, the reply watchdog, the end of
// every operation, and the automatic programming loop.
#include "fuses/fuse_messages.h"
#include "link/programmer_style.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

#include <algorithm>

namespace {
constexpr int kResetPulseMs = 1000;
constexpr int kSocketSettleMs = 200;

bool IsGreeting(const std::string& rx, std::size_t at) {
    return at + 1 < rx.size() && rx[at] == 'B' && StyleFromGreeting(rx[at + 1]) >= 0;
}
} // namespace

void ProgrammerEngine::SetStyle(int style) {
    programmerStyle_ = style;
    resetIdleLevel_ = StyleInfo(style).resetIdleLevel;
}

void ProgrammerEngine::ResetSerial(bool sayReady) {
    const Entry entry(*this);
    Timer(false);
    panel_.BackToIdle();
    Progress(0);
    const bool readCut = run_.readUnderway;
    EndRun(true);
    Enter(EngineState::Idle);
    // Nothing of an operation survives its end but what it wrote into the
    // image and the chip.
    Protocol = {};
    if (readCut) {
        // A Read that did not finish leaves no half image behind to be saved,
        // verified or programmed as if it were the chip.
        keeper_.ClearImage();
    }
    if (upgradeLoaded_) {
        upgradeLoaded_ = false;
        keeper_.ClearImage();
    }
    if (sayReady)
        Status(StatusWord::Ready);
    line_.PurgeRx();
}

void ProgrammerEngine::ResetProgrammer(bool pending) {
    const Entry entry(*this);
    resetPending_ = pending;
    ResetSerial(false);
    line_.SetProgrammerReset(resetIdleLevel_ == 0);
    Status(StatusWord::Resetting);
    clock_.Pause(kResetPulseMs);
    line_.SetProgrammerReset(resetIdleLevel_ != 0);
    Protocol.IdleTicks = 0;
    Timer(true);
}

// Waits for the board's greeting after a reset: "B" and its model code.
void ProgrammerEngine::OnIdle() {
    std::string& rx = Protocol.RxText;
    // Greetings that arrive together (a Birch board released from the reset
    // the closed port held it in, then reset again) count as the last one.
    std::size_t at = 0;
    while (rx.size() - at > 2 && IsGreeting(rx, at))
        at += 2;
    rx.erase(0, at);
    if (rx.size() >= 3) {
        rx.clear();
        return;
    }
    if (rx[0] != 'B') {
        ResetSerial(false);
        return;
    }
    if (rx.size() == 1)
        return; // the model code follows
    const int detected = StyleFromGreeting(rx[1]);
    if (detected < 0) {
        ResetSerial(false);
        return;
    }
    resetPending_ = false;
    lastGreeting_ = detected;
    if (StyleInfo(programmerStyle_).style == detected) {
        panel_.StatusReported({StatusWord::BoardConnected, {.style = detected}});
        ResetSerial(false);
        return;
    }
    ResetSerial(false);
    Status(StatusWord::SystemMatching);
    panel_.Tell({MessageWord::OtherBoard, {.style = programmerStyle_, .boardStyle = detected}});
    panel_.OtherBoardGreeted(detected);
}

// The watchdog: 1.5 s without a byte from the board.
void ProgrammerEngine::BoardSilent() {
    if (resetPending_) {
        resetPending_ = false;
        ResetSerial(false);
        Status(StatusWord::ResetError);
        panel_.Tell(
            {MessageWord::ResetFailed, {.port = line_.PortName(), .style = programmerStyle_}});
        Status(StatusWord::Ready);
        return;
    }
    // Silence during an operation: say what the board last said, then reset it.
    const std::string& rx = Protocol.RxText;
    StatusWord status = StatusWord::CommsError;
    MessageWord fault = MessageWord::BoardNotResponding;
    if (rx.find("?E?P") != std::string::npos) {
        status = StatusWord::I2cError;
        fault = MessageWord::I2cNotResponding;
    } else if (rx.find("?F?N") != std::string::npos) {
        status = StatusWord::FunctionError;
        fault = MessageWord::FunctionNotSupported;
    }
    Finish(Outcome::NoAnswer);
    ResetSerial(false);
    Status(status);
    panel_.Tell(fault);
    ResetProgrammer(true);
}

void ProgrammerEngine::LineOpened(int settleMs, int pulseMs) {
    const Entry entry(*this);
    clock_.Pause(settleMs);
    if (pulseMs > 0) {
        line_.SetProgrammerReset(resetIdleLevel_ == 0);
        clock_.Pause(pulseMs);
    }
    line_.SetProgrammerReset(resetIdleLevel_ != 0);
    Enter(EngineState::Idle);
    Timer(true);
}

StartResult ProgrammerEngine::StartAutoProgram(const OperationOptions& options, int chips) {
    const Entry entry(*this);
    if (Busy() || loop_.on)
        return StartResult::Busy;
    if (chip_.Family() == Core::SerialEeprom) {
        panel_.Tell(MessageWord::AutoWithSerialEeprom);
        return StartResult::NotSupported;
    }
    if (options.icsp) {
        panel_.Tell(MessageWord::AutoWithIcsp);
        return StartResult::NotSupported;
    }
    if (ImageEmpty()) {
        panel_.Tell(MessageWord::NothingToProgram);
        return StartResult::NothingToDo;
    }
    loop_ = {};
    loop_.on = true;
    loop_.options = options;
    loop_.chipsLeft = std::max(chips, 0);
    panel_.OperationStarted(Operation::AutoProgram);
    Send(StartedCommand(cmd::WaitChipInsertion));
    Enter(EngineState::AskedForInsertion);
    Timer(true);
    return StartResult::Started;
}

void ProgrammerEngine::EndAutoProgram() {
    if (!loop_.on)
        return;
    loop_.cancelled = true;
    ResetSerial(false);
}

// ---- Closing and the automatic loop ----

// Waits for whatever answers the last VoltagesOff.
void ProgrammerEngine::OnClosing() {
    Accept(); // whatever answered the last VoltagesOff
    EndCommand();
}

// Waits for "Q": the board left the operation.
void ProgrammerEngine::OnCommandEnded() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Answered("Q"))
        return;
    // The board has closed the command: a Read is whole now.
    run_.readUnderway = false;
    if (LoopContinues()) {
        EndRun(false);
        Accept();
        Send(StartedCommand(cmd::WaitChipRemoval));
        Enter(EngineState::AskedForRemoval);
        return;
    }
    ResetSerial(true);
}

void ProgrammerEngine::AwaitSocket(EngineState waiting, StatusWord status) {
    if (!StepFirst("PA"))
        return;
    Enter(waiting);
    // The user takes the chip out or puts one in: no answer is due, so no watchdog.
    Timer(false);
    Status(status);
}

bool ProgrammerEngine::SocketChanged() {
    if (!Step("Y"))
        return false;
    Timer(false);
    clock_.Pause(kSocketSettleMs);
    return true;
}

// Waits for "PA": the board took the wait for the chip to go.
void ProgrammerEngine::OnAskedForRemoval() {
    AwaitSocket(EngineState::WaitingForRemoval, StatusWord::WaitingForRemoval);
}

// Waits for "Y": the chip has been taken out.
void ProgrammerEngine::OnWaitingForRemoval() {
    if (!SocketChanged())
        return;
    Send(StartedCommand(cmd::WaitChipInsertion));
    Timer(true);
    Enter(EngineState::AskedForInsertion);
}

// Waits for "PA": the board took the wait for a chip.
void ProgrammerEngine::OnAskedForInsertion() {
    AwaitSocket(EngineState::WaitingForInsertion, StatusWord::WaitingForInsertion);
}

// Waits for "Y": a chip is in the socket.
void ProgrammerEngine::OnWaitingForInsertion() {
    if (SocketChanged())
        ProgramNextChip();
}

void ProgrammerEngine::ProgramNextChip() {
    if (loop_.chipsLeft > 0 && --loop_.chipsLeft == 0)
        loop_.lastChip = true;
    const StartResult started = Program(loop_.options);
    if (started == StartResult::Started)
        return;
    // Nothing more happens on the line: the loop ends rather than wait for
    // a chip the board is not watching for.
    loop_.refused = started;
    ResetSerial(false);
}
