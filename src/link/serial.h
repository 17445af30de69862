#pragma once

#include "link/com_names.h"
#include "link/serial_port.h"
#include "link/serial_types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Dialogs;

// The serial component: owns one COM port (COM1..COM9, see com_names.h),
// configures it, writes to it, lets its owner read what arrived, drives DTR
// and RTS, and turns the port's events into handler calls. It has no thread
// of its own: the thread that makes it owns it, uses every member and serves
// the port, either by calling ServeEvents or by watching Waitables in its
// event loop and calling ServeEvents when one is ready. So the board's 'Y'
// wakes the very thread that answers it.
class TSerial {
public:
    // portFolders hold the ports/ folders that name COMn, looked at in order;
    // dialogs shows the error boxes and must outlive the component.
    TSerial(Dialogs* dialogs, std::vector<std::string> portFolders);
    ~TSerial();
    TSerial(const TSerial&) = delete;
    TSerial& operator=(const TSerial&) = delete;

    uint8_t Port() const { return Port_; }
    // Refuses a number outside 1..9 (false), leaving port and state as they were.
    [[nodiscard]] bool SetPort(int value);
    int32_t Baudrate() const { return Baudrate_; }
    void SetBaudrate(int32_t value);
    eParity Parity() const { return Parity_; }
    void SetParity(eParity value);
    eDataBits DataBits() const { return DataBits_; }
    void SetDataBits(eDataBits value);
    eStopBits StopBits() const { return StopBits_; }
    void SetStopBits(eStopBits value);
    eFlowControl FlowMode() const { return FlowMode_; }
    void SetFlowMode(eFlowControl value);
    bool CheckParity() const { return CheckParity_; }
    void SetCheckParity(bool value);
    // The driver's queue sizes, asked for at open where the system lets them
    // be set (see PortSettings).
    uint16_t RxQueueSize() const { return RxQueueSize_; }
    void SetRxQueueSize(uint16_t value);
    uint16_t TxQueueSize() const { return TxQueueSize_; }
    void SetTxQueueSize(uint16_t value);

    eOpModes RxEventMode() const { return RxEventMode_; }
    void SetRxEventMode(eOpModes value) { RxEventMode_ = value; }
    char MessageStartChar() const { return MessageStartChar_; }
    void SetMessageStartChar(char value) { MessageStartChar_ = value; }
    char MessageEndChar() const { return MessageEndChar_; }
    void SetMessageEndChar(char value) { MessageEndChar_ = value; }
    uint16_t MessageAppendCount() const { return MessageAppendCount_; }
    void SetMessageAppendCount(uint16_t value) { MessageAppendCount_ = value; }
    eNotifyErr NotifyErrors() const { return NotifyErrors_; }
    void SetNotifyErrors(eNotifyErr value) { NotifyErrors_ = value; }
    int32_t ErrorCode() const { return ErrorCode_; }

    // One wait of at most timeoutMs (0: only a look) for the port's events,
    // and their handlers, run here. False at once when the port is not open;
    // `received` tells whether bytes came.
    bool ServeEvents(int timeoutMs, bool* received = nullptr);
    // What to watch for ServeEvents, none while the port is closed or failed.
    std::vector<Waitable> Waitables() const;
    // Called right after the port opened, failed or closed (its waitables
    // still open then), for an owner that watches them.
    void SetOnPortChange(std::function<void()> handler) { OnPortChange_ = std::move(handler); }
    // Appends every byte already received; reads nothing from the device. In
    // a receive handler: the bytes of that event.
    void ReadReceived(std::string& bytes);

    int32_t RxWaiting();
    int32_t TxWaiting();

    // A device or network server named directly, opened in place of the one
    // COMn leads to (the command-line program takes either); nothing goes back
    // to COMn. Takes effect at the next open.
    void SetTarget(std::optional<PortTarget> target) { Target_ = std::move(target); }

    bool Active() const { return port_ != nullptr; }
    // Closes an open port first; then opens it when value is true.
    void SetActive(bool value);

    void WriteChar(uint8_t c);
    void WriteString(const std::string& s);
    // 1 and the next received byte when one is queued, otherwise 0; never waits.
    int ReadChar(uint8_t& c);
    // Aborts outstanding reads; bytes already received stay queued.
    void PurgeRx();
    // line 0 is RTS, 1 is DTR; true raises it.
    void SetSignal(int line, bool state);

    void SetOnRxData(TNotifyEvent handler) { OnRxData_ = std::move(handler); }
    void SetOnTxEmpty(TNotifyEvent handler) { OnTxEmpty_ = std::move(handler); }
    void SetOnMessage(TRxMessageEvent handler) { OnMessage_ = std::move(handler); }
    void SetOnError(TNotifyEvent handler) { OnError_ = std::move(handler); }
    void SetOnBreak(TNotifyEvent handler) { OnBreak_ = std::move(handler); }
    void SetOnRing(TNotifyEvent handler) { OnRing_ = std::move(handler); }
    void SetOnSignalChange(TSignalChangeEvent handler) { OnSignalChange_ = std::move(handler); }

private:
    void Open();
    void Close();
    void ReApply() { SetActive(Active()); }
    // A port setting: stored, then the port reopened if it is open.
    template <class T> void StoreAndReApply(T& field, T value) {
        field = value;
        ReApply();
    }
    void ErrorPath(int code);
    void Check(int code) {
        if (code != 0)
            ErrorPath(code);
    }
    int WriteBounded(const std::string& bytes, int timeoutMs);
    PortSettings Settings() const;

    // A handler may close or reopen the port: what is left of the events of
    // the port it was called for then goes unhandled.
    bool StillOpen(unsigned opened) const { return port_ != nullptr && opens_ == opened; }
    template <class Handler, class... Args>
    bool Raise(const Handler& handler, unsigned opened, const Args&... args);
    void Dispatch(const PortEvents& events, unsigned opened);
    void ReadMessages(unsigned opened);
    void FeedMessageByte(uint8_t b, std::string& complete, bool& done);

    Dialogs* const dialogs_;
    const std::vector<std::string> PortFolders_;

    uint8_t Port_ = 1;
    std::optional<PortTarget> Target_;
    int32_t Baudrate_ = 9600;
    eParity Parity_ = eParity::None;
    eDataBits DataBits_ = eDataBits::Bits7;
    eStopBits StopBits_ = eStopBits::Bits1;
    uint16_t RxQueueSize_ = 1024;
    uint16_t TxQueueSize_ = 1024;
    eFlowControl FlowMode_ = eFlowControl::None;
    bool CheckParity_ = true;
    eOpModes RxEventMode_ = eOpModes::Normal;
    char MessageStartChar_ = 2;
    char MessageEndChar_ = 3;
    uint16_t MessageAppendCount_ = 0;
    eNotifyErr NotifyErrors_ = eNotifyErr::Dialog;
    int32_t ErrorCode_ = 0;

    // The framed-message assembler: 0 idle, 1 collecting, 2 appending,
    // 3 complete.
    uint8_t MessageState_ = 0;
    uint16_t AppendRemaining_ = 0;
    std::string RxMessage_;

    std::unique_ptr<SerialPort> port_; // open while Active
    unsigned opens_ = 0;               // counts the opens, for StillOpen

    TNotifyEvent OnRxData_, OnTxEmpty_, OnError_, OnBreak_, OnRing_;
    TRxMessageEvent OnMessage_;
    TSignalChangeEvent OnSignalChange_;
    std::function<void()> OnPortChange_;
};
