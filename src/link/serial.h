#pragma once

#include "link/com_names.h"
#include "link/event_thread.h"
#include "link/handler_dispatcher.h"
#include "link/serial_port.h"
#include "link/serial_types.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class Dialogs;

// The serial component: owns one COM port (COM1..COM9, see com_names.h),
// configures it, writes to it, lets its owner read what arrived, drives DTR
// and RTS, and turns port events into handler calls on the handler thread
// through its TEventThread. Every member is used from the handler thread.
class TSerial {
public:
    // portFolders hold the ports/ folders that name COMn, looked at in order;
    // dialogs shows the error boxes; dispatcher runs the handlers on the
    // handler thread (without one they would run on the event thread). Both
    // must outlive the component.
    TSerial(Dialogs* dialogs, HandlerDispatcher* dispatcher, std::vector<std::string> portFolders);
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

    int32_t RxWaiting();
    int32_t TxWaiting();

    // A device or network server named directly, opened in place of the one
    // COMn leads to (the command-line program takes either); nothing goes back
    // to COMn. Takes effect at the next open.
    void SetTarget(std::optional<PortTarget> target) { Target_ = std::move(target); }

    bool Active() const { return Active_; }
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

    void SetOnRxData(TNotifyEvent handler);
    void SetOnTxEmpty(TNotifyEvent handler);
    void SetOnMessage(TRxMessageEvent handler);
    void SetOnError(TNotifyEvent handler);
    void SetOnBreak(TNotifyEvent handler);
    void SetOnRing(TNotifyEvent handler);
    void SetOnSignalChange(TSignalChangeEvent handler);

private:
    friend class TEventThread;

    struct Handlers {
        TNotifyEvent OnRxData, OnTxEmpty, OnError, OnBreak, OnRing;
        TRxMessageEvent OnMessage;
        TSignalChangeEvent OnSignalChange;
    };

    void Open();
    void Close();
    void ReApply() { SetActive(Active_); }
    // A port setting: stored, then the port reopened if it is open.
    template <class T> void StoreAndReApply(T& field, T value) {
        field = value;
        ReApply();
    }
    template <class H> void SetHandler(H Handlers::*slot, H handler) {
        std::lock_guard lock(mutex_);
        handlers_.*slot = std::move(handler);
    }
    void ErrorPath(int code);
    int WriteBounded(const std::string& bytes, int timeoutMs);
    std::shared_ptr<SerialPort> CurrentPort(unsigned* generation = nullptr) const;
    PortSettings Settings() const;

    // Used by the event thread.
    Handlers HandlersCopy() const;
    bool Serving(unsigned generation) const;
    void FeedMessageByte(uint8_t b, std::string& complete, bool& done);

    Dialogs* const dialogs_;
    HandlerDispatcher* const dispatcher_;
    const std::vector<std::string> PortFolders_;

    uint8_t Port_ = 1;
    std::optional<PortTarget> Target_;
    int32_t Baudrate_ = 9600;
    eParity Parity_ = eParity::None;
    eDataBits DataBits_ = eDataBits::Bits7;
    eStopBits StopBits_ = eStopBits::Bits1;
    std::atomic<bool> Active_ = false;
    uint16_t RxQueueSize_ = 1024;
    uint16_t TxQueueSize_ = 1024;
    eFlowControl FlowMode_ = eFlowControl::None;
    bool CheckParity_ = true;
    std::atomic<eOpModes> RxEventMode_ = eOpModes::Normal;
    std::atomic<char> MessageStartChar_ = 2;
    std::atomic<char> MessageEndChar_ = 3;
    std::atomic<uint16_t> MessageAppendCount_ = 0;
    eNotifyErr NotifyErrors_ = eNotifyErr::Dialog;
    int32_t ErrorCode_ = 0;

    // The framed-message assembler, run by the event thread: 0 idle,
    // 1 collecting, 2 appending, 3 complete.
    uint8_t MessageState_ = 0;
    uint16_t AppendRemaining_ = 0;
    std::string RxMessage_;

    std::atomic<bool> Closing_ = false;
    std::atomic<bool> CtsState_ = false, DsrState_ = false, RlsdState_ = false;

    mutable std::mutex mutex_; // guards port_, generation_ and handlers_
    std::shared_ptr<SerialPort> port_;
    unsigned generation_ = 0;
    Handlers handlers_;

    TEventThread EventThread_{*this};
};
