// The board connection: reset pulse and greeting, the reply watchdog, the end of
// every operation, and the automatic programming loop.
#include "fuses/fuse_messages.h"
#include "link/programmer_style.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr int kResetPulseMs = 1000;
constexpr int kSocketSettleMs = 200;

bool IsGreeting(const std::string& rx, std::size_t at) {
    return at + 1 < rx.size() && rx[at] == 'B' && StyleFromGreeting(rx[at + 1]) >= 0;
}
} // namespace

void ProgrammerEngine::SetStyle(int style) {
    ProgrammerStyle = style;
    ResetIdleLevel = StyleInfo(style).resetIdleLevel;
}

void ProgrammerEngine::ResetSerial(bool showReady) {
    Timer(false);
    host_.RestoreUserControls();
    Progress(0);
    Protocol.ProtocolState = 0;
    Protocol.RxText.clear();
    Protocol.IdleTicks = 0;
    Protocol.CancelRequested = false;
    Protocol.ReceiveError = false;
    Protocol.ChipIDRequest = false;
    Protocol.VerifyInProgram = false;
    Protocol.BlankFlags = 0;
    streamSkip_ = 0;
    if (readUnderway_) {
        // A Read that did not finish leaves no half image behind to be saved,
        // verified or programmed as if it were the chip.
        readUnderway_ = false;
        host_.ClearImage();
    }
    if (UpgradeLoaded) {
        UpgradeLoaded = false;
        host_.ClearImage();
    }
    if (showReady)
        host_.SetStatus(kReady);
    host_.PurgeRx();
}

void ProgrammerEngine::ResetProgrammer(bool pending) {
    ResetPending = pending;
    ResetSerial(false);
    host_.SetProgrammerReset(ResetIdleLevel ? 0 : 1);
    host_.SetStatus("Resetting Tessaro...");
    host_.Pause(kResetPulseMs);
    host_.SetProgrammerReset(ResetIdleLevel);
    Protocol.IdleTicks = 0;
    Timer(true);
}

// State 0: after a reset the board greets with "B" and its model code.
void ProgrammerEngine::Greeting() {
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
    ResetPending = false;
    LastGreeting = detected;
    const char* expected = StyleInfo(ProgrammerStyle).messageName;
    const char* connected = StyleInfo(detected).messageName;
    if (StyleInfo(ProgrammerStyle).style == detected) {
        host_.SetStatus(std::string(connected) + " board connected");
        host_.RepaintWindow();
        ResetSerial(false);
        return;
    }
    ResetSerial(false);
    host_.SetStatus("System matching...");
    host_.dialogs().Information(std::string("Program mode = ") + expected + ", connected board = " +
                                connected + ".\r\rWill attempt to match the board");
    host_.RepaintWindow();
    host_.SelectStyle(detected);
}

// The watchdog: 1.5 s without a byte from the board.
void ProgrammerEngine::BoardSilent() {
    if (ResetPending) {
        ResetPending = false;
        ResetSerial(false);
        host_.SetStatus("Reset error...");
        const std::string port = host_.PortOpen() ? host_.PortName() : std::string("None");
        host_.dialogs().Error(std::string("Reset failed. Please check...\r\r") +
                              "Communications port, currently [ " + port + " ]\r" +
                              "Board connections and power\r" + "Mode =  [ " +
                              StyleInfo(ProgrammerStyle).messageName +
                              " ], does your programmer board match this setting?");
        host_.SetStatus(kReady);
        return;
    }
    // Silence during an operation: say what the board last said, then reset it.
    const std::string& rx = Protocol.RxText;
    const char* status = "Comms Error...";
    std::string text = "The board is not responding";
    if (rx.find("?E?P") != std::string::npos) {
        status = "I2C Error...";
        text = "I2C EEPROM is not responding.";
    } else if (rx.find("?F?N") != std::string::npos) {
        status = "Function Error...";
        text = "Function not supported by this programmer firmware.";
    }
    Finish(Outcome::NoAnswer);
    ResetSerial(false);
    host_.SetStatus(status);
    host_.dialogs().Error(text + kAboutToReset);
    host_.RepaintWindow();
    ResetProgrammer(true);
}

void ProgrammerEngine::AutoProgram1Click() {
    if (host_.AutoProgramOn()) {
        ResetSerial(false);
        return;
    }
    if (chip_.CoreType == 0) {
        host_.dialogs().Error("Cannot use Auto Program Mode with serial EEPROMs");
        return;
    }
    if (host_.IcspMode()) {
        host_.dialogs().Error("Cannot use Auto Program Mode when ICSP is enabled");
        return;
    }
    if (image_.ROMData.empty() && image_.EEPROMData.empty()) {
        host_.dialogs().Information(kNothingToProgram);
        return;
    }
    host_.EnterAutoMode();
    Send(StartedCommand(cmd::WaitChipInsertion));
    Protocol.ProtocolState = 600;
    Timer(true);
}

// ---- Closing and the automatic loop ----

void ProgrammerEngine::State500() {
    Accept(); // whatever answered the last VoltagesOff
    EndCommand();
}

void ProgrammerEngine::State501() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Answered("Q"))
        return;
    // The board has closed the command: a Read is whole now.
    readUnderway_ = false;
    if (host_.AutoProgramOn()) {
        Accept();
        Send(StartedCommand(cmd::WaitChipRemoval));
        Protocol.ProtocolState = 502;
        return;
    }
    ResetSerial(true);
}

void ProgrammerEngine::State502() {
    if (!StepFirst("PA"))
        return;
    Protocol.ProtocolState = 503;
    // The user takes the chip out: no answer is due, so no watchdog.
    Timer(false);
    host_.SetStatus("Waiting for chip removal...");
}

void ProgrammerEngine::State503() {
    if (!Step("Y"))
        return;
    Timer(false);
    host_.Pause(kSocketSettleMs);
    Send(StartedCommand(cmd::WaitChipInsertion));
    Timer(true);
    Protocol.ProtocolState = 600;
}

void ProgrammerEngine::State600() {
    if (!StepFirst("PA"))
        return;
    Protocol.ProtocolState = 601;
    Timer(false);
    host_.SetStatus("Waiting for chip insertion...");
}

void ProgrammerEngine::State601() {
    if (!Step("Y"))
        return;
    Timer(false);
    host_.Pause(kSocketSettleMs);
    ProgButtClick();
}
