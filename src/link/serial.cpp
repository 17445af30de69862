#include "link/serial.h"

#include "link/com_names.h"
#include "link/error_text.h"
#include "platform/dialogs.h"
#include "platform/timer_slack.h"
#include "platform/translate.h"

#include <algorithm>
#include <cerrno>

namespace {

constexpr const char* BaudrateNotValid = N_("Baudrate is not valid");
// A single byte may wait this long for room; a string waits at least
// StringWaitMinMs, more when it takes longer on the line.
constexpr int CharWaitMs = 1000;
constexpr int StringWaitMinMs = 500;

} // namespace

TSerial::TSerial(Dialogs* dialogs, std::vector<std::string> portFolders)
    : dialogs_(dialogs), PortFolders_(std::move(portFolders)) {
    // This thread serves the port: the board's answers are a byte time apart,
    // and its waits must end when they come, not a timer's slack later.
    WakePromptly();
}

TSerial::~TSerial() {
    SetActive(false);
}

bool TSerial::SetPort(int value) {
    if (value < 1 || value > 9)
        return false;
    if (value != Port_)
        Port_ = static_cast<uint8_t>(value);
    ReApply();
    return true;
}

void TSerial::SetBaudrate(int32_t value) {
    if (std::find(ValidBaudrates.begin(), ValidBaudrates.end(), value) == ValidBaudrates.end()) {
        if (dialogs_ != nullptr)
            dialogs_->Error(BaudrateNotValid);
        return;
    }
    StoreAndReApply(Baudrate_, value);
}

void TSerial::SetParity(eParity value) {
    StoreAndReApply(Parity_, value);
}

void TSerial::SetDataBits(eDataBits value) {
    StoreAndReApply(DataBits_, value);
}

void TSerial::SetCheckParity(bool value) {
    StoreAndReApply(CheckParity_, value);
}

PortSettings TSerial::Settings() const {
    return {Baudrate_, Parity_,      DataBits_,    StopBits_,
            FlowMode_, CheckParity_, RxQueueSize_, TxQueueSize_};
}

void TSerial::SetActive(bool value) {
    if (Active())
        Close();
    if (value)
        Open();
}

// An error handler may close the port at any step (the window does when the
// board is gone); the open then stops there.
void TSerial::Open() {
    PortTarget target = Target_ ? *Target_ : ResolvePortName(PortFolders_, Port_);
    OpenResult opened = Opener_ ? Opener_(target) : OpenPortTarget(target);
    if (opened.port == nullptr) {
        ErrorPath(opened.error);
        return;
    }
    port_ = std::move(opened.port);
    const unsigned serving = ++opens_;
    Check(port_->Apply(Settings()));
    // Raise DTR, then RTS; a port without modem lines fails here, nothing more.
    if (StillOpen(serving))
        Check(port_->SetLine(ModemLine::Dtr, true));
    if (StillOpen(serving))
        Check(port_->SetLine(ModemLine::Rts, true));
    if (StillOpen(serving) && OnPortChange_)
        OnPortChange_();
}

// The port counts as closed from the start, so that an error handler called
// on the way finds it closed.
void TSerial::Close() {
    std::unique_ptr<SerialPort> port = std::move(port_);
    Check(port->PurgeAll());
    Check(port->SetLine(ModemLine::Dtr, false));
    Check(port->SetLine(ModemLine::Rts, false));
    if (OnPortChange_)
        OnPortChange_(); // `port` still holds its waitables open
}

void TSerial::ErrorPath(int code) {
    ErrorCode_ = code;
    if (NotifyErrors_ == eNotifyErr::Box) {
        if (dialogs_ != nullptr)
            dialogs_->Error(PortErrorText(code));
    } else if (NotifyErrors_ == eNotifyErr::Event) {
        // A copy: the handler may replace itself.
        if (TNotifyEvent handler = OnError_)
            handler(*this);
    }
}

OpenResult OpenPortTarget(const PortTarget& target) {
    return target.kind == PortTarget::Kind::Network ? OpenRfc2217Port(target.host, target.tcpPort)
                                                    : OpenDevicePort(target.device);
}

int TSerial::WriteBounded(const std::string& bytes, int timeoutMs) {
    return port_ == nullptr ? EBADF : port_->Write(bytes, timeoutMs);
}

void TSerial::WriteChar(uint8_t c) {
    Check(WriteBounded(std::string(1, static_cast<char>(c)), CharWaitMs));
}

void TSerial::WriteString(const std::string& s) {
    if (s.empty())
        return;
    int64_t perByte = 20000 / std::max<int32_t>(Baudrate_, 1);
    int64_t wait = std::max<int64_t>(static_cast<int64_t>(s.size()) * perByte, StringWaitMinMs);
    Check(WriteBounded(s, static_cast<int>(std::min<int64_t>(wait, 1 << 30))));
}

int TSerial::ReadChar(uint8_t& c) {
    bool got = false;
    if (int error = port_ == nullptr ? EBADF : port_->ReadByte(c, got); error != 0) {
        ErrorPath(error);
        return 0;
    }
    return got ? 1 : 0;
}

std::vector<Waitable> TSerial::Waitables() const {
    return port_ == nullptr ? std::vector<Waitable>() : port_->Waitables();
}

void TSerial::ReadReceived(std::string& bytes) {
    Check(port_ == nullptr ? EBADF : port_->TakeQueued(bytes));
}

void TSerial::PurgeRx() {
    // Reads here never stay outstanding, so there is nothing to abort on an
    // open port; queued bytes are kept.
    if (port_ == nullptr)
        ErrorPath(EBADF);
}

void TSerial::SetSignal(ModemLine line, bool state) {
    Check(port_ == nullptr ? EBADF : port_->SetLine(line, state));
}

int32_t TSerial::RxWaiting() {
    int rx = 0;
    int tx = 0;
    if (port_ != nullptr)
        Check(port_->QueueCounts(rx, tx));
    return rx;
}
