// The board: its port, the programmer style, resets and the port's device
// going away and coming back.
#include "link/com_names.h"
#include "link/error_text.h"
#include "link/programmer_style.h"
#include "link/recording_port.h"
#include "link/serial.h"
#include "platform/dialogs.h"
#include "protocol/engine.h"
#include "protocol/serial_line_host.h"
#include "workbench/workbench.h"

namespace {
// Serial On resets the board by a short pulse once the port is open; a port
// change only lets the board run and waits for it.
constexpr int kSerialOnSettleMs = 200;
constexpr int kSerialOnPulseMs = 200;
constexpr int kPortChangeSettleMs = 500;
} // namespace

bool Workbench::OpenPort(int port) {
    // A number outside 1..9 is refused before anything changes: an open port
    // stays open on its old number.
    bool open = false;
    if (serial_->SetPort(port)) {
        serial_->SetActive(true);
        open = serial_->Active();
    }
    portLost_ = false;
    if (!open)
        Tell(MessageWord::PortProblem);
    view_.PortOpened(open);
    return open;
}

bool Workbench::ChoosePort(const std::string& text) {
    const int n = ComNumberOf(text);
    if (n < 0)
        return false;
    if (n > 0 && n <= 9) {
        line_->SetPortName({});
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
    line_->SetPortName(text);
    serial_->SetTarget(target);
    return true;
}

bool Workbench::OpenChosenPort(std::string& reason) {
    serial_->SetActive(true);
    if (serial_->Active())
        return true;
    reason = PortErrorText(serial_->ErrorCode());
    return false;
}

void Workbench::ClosePort() {
    portLost_ = false;
    serial_->SetActive(false);
}

bool Workbench::PortOpen() const {
    return serial_->Active();
}

int Workbench::PortNumber() const {
    return serial_->Port();
}

PortSettings Workbench::LineSettings() const {
    return serial_->Configured();
}

void Workbench::RecordPorts(std::shared_ptr<SessionRecorder> recorder) {
    serial_->SetPortOpener(recorder ? RecordingOpener(std::move(recorder)) : PortOpener());
}

bool Workbench::ChangePort(int port) {
    if (!OpenPort(port))
        return false;
    engine_->LineOpened(kPortChangeSettleMs, 0);
    return true;
}

bool Workbench::SerialOn() {
    if (!OpenPort(serial_->Port()))
        return false;
    engine_->LineOpened(kSerialOnSettleMs, kSerialOnPulseMs);
    return true;
}

void Workbench::SerialOff() {
    ClosePort();
}

void Workbench::PortLost() {
    portLost_ = true;
    serial_->SetActive(false);
    StatusReported({StatusWord::BoardUnplugged});
    if (engine_->Idle())
        SetTimer(false);
}

bool Workbench::PortBack() {
    // An operation cut off ends first, with its one box.
    if (!portLost_ || !engine_->Idle())
        return false;
    serial_->SetActive(true);
    if (!serial_->Active())
        return false;
    portLost_ = false;
    engine_->ResetProgrammer(true);
    return true;
}

void Workbench::SetStyle(int style) {
    engine_->SetStyle(style);
    modelCaption_ = ModelCaptionFor(style);
    view_.BoardChanged();
}

void Workbench::StartInStyle(int style) {
    position_ = -1;
    userMode_ = false;
    fileCaption_.clear();
    SetStyle(style);
    view_.ChipChanged();
}

void Workbench::ChooseStyle(int style) {
    if (StyleInfo(style).style == StyleInfo(engine_->Style()).style)
        return;
    StartInStyle(style);
    LoadChipFile();
    SaveQuery(false);
    ResetImage();
    SetUserMode(false);
    engine_->ResetProgrammer(true);
}

void Workbench::ResetBoard() {
    engine_->ResetProgrammer(true);
}

void Workbench::ReturnToIdle(bool sayReady) {
    engine_->ResetSerial(sayReady);
}
