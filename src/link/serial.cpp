#include "link/serial.h"

#include "link/com_names.h"
#include "platform/dialogs.h"
#include "platform/translate.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

constexpr const char* BaudrateNotValid = N_("Baudrate is not valid");
// A single byte may wait this long for room; a string waits at least
// StringWaitMinMs, more when it takes longer on the line.
constexpr int CharWaitMs = 1000;
constexpr int StringWaitMinMs = 500;
// How long a close waits for the event thread to let go of the port.
constexpr int ThreadLeaveMs = 7500;

// The system's text for an error code, without trailing blanks and full stops.
std::string SystemErrorText(int code) {
    std::string text = std::generic_category().message(code);
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

} // namespace

TSerial::TSerial(Dialogs* dialogs, HandlerDispatcher* dispatcher,
                 std::vector<std::string> portFolders)
    : dialogs_(dialogs), dispatcher_(dispatcher), PortFolders_(std::move(portFolders)) {}

TSerial::~TSerial() {
    SetActive(false);
    EventThread_.Stop();
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

void TSerial::SetStopBits(eStopBits value) {
    StoreAndReApply(StopBits_, value);
}

void TSerial::SetFlowMode(eFlowControl value) {
    StoreAndReApply(FlowMode_, value);
}

void TSerial::SetCheckParity(bool value) {
    StoreAndReApply(CheckParity_, value);
}

void TSerial::SetRxQueueSize(uint16_t value) {
    StoreAndReApply(RxQueueSize_, value);
}

void TSerial::SetTxQueueSize(uint16_t value) {
    StoreAndReApply(TxQueueSize_, value);
}

PortSettings TSerial::Settings() const {
    return {Baudrate_, Parity_,      DataBits_,    StopBits_,
            FlowMode_, CheckParity_, RxQueueSize_, TxQueueSize_};
}

std::shared_ptr<SerialPort> TSerial::CurrentPort(unsigned* generation) const {
    std::lock_guard lock(mutex_);
    if (generation != nullptr)
        *generation = generation_;
    return port_;
}

void TSerial::SetActive(bool value) {
    if (Active_)
        Close();
    if (value)
        Open();
}

void TSerial::Open() {
    PortTarget target = Target_ ? *Target_ : ResolvePortName(PortFolders_, Port_);
    OpenResult opened = target.kind == PortTarget::Kind::Network
                            ? OpenRfc2217Port(target.host, target.tcpPort)
                            : OpenTtyPort(target.device);
    if (opened.port == nullptr) {
        ErrorPath(opened.error);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        port_ = opened.port;
        ++generation_;
    }
    Active_ = true;
    if (int error = opened.port->Apply(Settings()); error != 0)
        ErrorPath(error);
    // Raise DTR, then RTS; a port without modem lines fails here, nothing more.
    if (int error = opened.port->SetLine(ModemLine::Dtr, true); error != 0)
        ErrorPath(error);
    if (int error = opened.port->SetLine(ModemLine::Rts, true); error != 0)
        ErrorPath(error);
    EventThread_.Resume();
    if (OnPortChange_)
        OnPortChange_();
}

void TSerial::Close() {
    std::shared_ptr<SerialPort> port = CurrentPort();
    if (int error = port->PurgeAll(); error != 0)
        ErrorPath(error);
    if (int error = port->SetLine(ModemLine::Dtr, false); error != 0)
        ErrorPath(error);
    if (int error = port->SetLine(ModemLine::Rts, false); error != 0)
        ErrorPath(error);
    Active_ = false;
    Closing_ = true;
    port->Interrupt();
    EventThread_.WaitForLeave(ThreadLeaveMs);
    Closing_ = false;
    port->Shutdown();
    {
        std::lock_guard lock(mutex_);
        port_.reset();
        ++generation_;
    }
    if (OnPortChange_)
        OnPortChange_(); // `port` still holds the descriptors open
}

void TSerial::ErrorPath(int code) {
    ErrorCode_ = code;
    if (NotifyErrors_ == eNotifyErr::Dialog) {
        if (dialogs_ != nullptr)
            dialogs_->Error(SystemErrorText(code));
    } else if (NotifyErrors_ == eNotifyErr::Event) {
        TNotifyEvent handler = HandlersCopy().OnError;
        if (handler)
            handler(*this);
    }
}

int TSerial::WriteBounded(const std::string& bytes, int timeoutMs) {
    std::shared_ptr<SerialPort> port = CurrentPort();
    if (port == nullptr)
        return EBADF;
    return port->Write(bytes, timeoutMs);
}

void TSerial::WriteChar(uint8_t c) {
    if (int error = WriteBounded(std::string(1, static_cast<char>(c)), CharWaitMs); error != 0)
        ErrorPath(error);
}

void TSerial::WriteString(const std::string& s) {
    if (s.empty())
        return;
    int64_t perByte = 20000 / std::max<int32_t>(Baudrate_, 1);
    int64_t wait = std::max<int64_t>(static_cast<int64_t>(s.size()) * perByte, StringWaitMinMs);
    if (int error = WriteBounded(s, static_cast<int>(std::min<int64_t>(wait, 1 << 30))); error != 0)
        ErrorPath(error);
}

int TSerial::ReadChar(uint8_t& c) {
    std::shared_ptr<SerialPort> port = CurrentPort();
    bool got = false;
    int error = port == nullptr ? EBADF : port->ReadByte(c, got);
    if (error != 0) {
        ErrorPath(error);
        return 0;
    }
    return got ? 1 : 0;
}

std::vector<int> TSerial::WaitFds() const {
    std::shared_ptr<SerialPort> port = CurrentPort();
    return port == nullptr ? std::vector<int>() : port->WaitFds();
}

unsigned TSerial::PortGeneration() const {
    unsigned generation = 0;
    CurrentPort(&generation);
    return generation;
}

void TSerial::ReadReceived(std::string& bytes) {
    std::shared_ptr<SerialPort> port = CurrentPort();
    if (int error = port == nullptr ? EBADF : port->TakeQueued(bytes); error != 0)
        ErrorPath(error);
}

void TSerial::PurgeRx() {
    // Reads here never stay outstanding, so there is nothing to abort on an
    // open port; queued bytes are kept.
    if (CurrentPort() == nullptr)
        ErrorPath(EBADF);
}

void TSerial::SetSignal(int line, bool state) {
    if (line != 0 && line != 1)
        return;
    std::shared_ptr<SerialPort> port = CurrentPort();
    int error =
        port == nullptr ? EBADF : port->SetLine(line == 0 ? ModemLine::Rts : ModemLine::Dtr, state);
    if (error != 0)
        ErrorPath(error);
}

int32_t TSerial::RxWaiting() {
    std::shared_ptr<SerialPort> port = CurrentPort();
    int rx = 0;
    int tx = 0;
    if (port == nullptr)
        return 0;
    if (int error = port->QueueCounts(rx, tx); error != 0)
        ErrorPath(error);
    return rx;
}

int32_t TSerial::TxWaiting() {
    std::shared_ptr<SerialPort> port = CurrentPort();
    int rx = 0;
    int tx = 0;
    if (port == nullptr)
        return 0;
    if (int error = port->QueueCounts(rx, tx); error != 0)
        ErrorPath(error);
    return tx;
}
