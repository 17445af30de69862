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
    void SetParity(eParity value);
    void SetDataBits(eDataBits value);
    void SetCheckParity(bool value);
    // Line errors as a box (the default), as OnError, or not at all.
    void SetNotifyErrors(eNotifyErr value) { NotifyErrors_ = value; }
    int32_t ErrorCode() const { return ErrorCode_; }
    // What the next open configures.
    PortSettings Configured() const { return Settings(); }

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

    // A device or network server named directly, opened in place of the one
    // COMn leads to (the command-line program takes either); nothing goes back
    // to COMn. Takes effect at the next open.
    void SetTarget(std::optional<PortTarget> target) { Target_ = std::move(target); }
    // Opens ports through `opener` from the next open on (unset: OpenPortTarget).
    void SetPortOpener(PortOpener opener) { Opener_ = std::move(opener); }

    bool Active() const { return port_ != nullptr; }
    // Closes an open port first; then opens it when value is true.
    void SetActive(bool value);

    void WriteChar(uint8_t c);
    void WriteString(const std::string& s);
    // 1 and the next received byte when one is queued, otherwise 0; never waits.
    int ReadChar(uint8_t& c);
    // Aborts outstanding reads; bytes already received stay queued.
    void PurgeRx();
    // True raises the line.
    void SetSignal(ModemLine line, bool state);

    void SetOnRxData(TNotifyEvent handler) { OnRxData_ = std::move(handler); }
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

    Dialogs* const dialogs_;
    const std::vector<std::string> PortFolders_;

    uint8_t Port_ = 1;
    std::optional<PortTarget> Target_;
    PortOpener Opener_;
    int32_t Baudrate_ = 9600;
    eParity Parity_ = eParity::None;
    eDataBits DataBits_ = eDataBits::Bits7;
    eStopBits StopBits_ = eStopBits::Bits1;
    uint16_t RxQueueSize_ = 1024;
    uint16_t TxQueueSize_ = 1024;
    eFlowControl FlowMode_ = eFlowControl::None;
    bool CheckParity_ = true;
    eNotifyErr NotifyErrors_ = eNotifyErr::Box;
    int32_t ErrorCode_ = 0;

    std::unique_ptr<SerialPort> port_; // open while Active
    unsigned opens_ = 0;               // counts the opens, for StillOpen

    TNotifyEvent OnRxData_, OnError_, OnBreak_, OnRing_;
    TSignalChangeEvent OnSignalChange_;
    std::function<void()> OnPortChange_;
};
