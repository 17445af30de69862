#include "link/port_io.h"
#include "link/serial_port.h"
#include "link/win_errno.h"
#include "link/wire_log.h"
#include "platform/win_text.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace {

// How long a read the driver does not finish at once may take (the reads here
// take what is queued and never wait for more).
constexpr int ReadWaitMs = 100;
// How often a full receive queue is looked at again while the owner catches up.
constexpr int BehindPollMs = 20;
constexpr DWORD RxChunk = 4096;
constexpr DWORD LineEvents = EV_CTS | EV_DSR | EV_RLSD | EV_BREAK | EV_RING;

int LastError() {
    return ErrnoOfSystem(GetLastError());
}

// A COM port opened for overlapped I/O. One WaitCommEvent is kept
// outstanding; its event is what the owner's wait and an event loop's watch
// look at. Every event is manual-reset: a watch that saw it must leave it set
// for the wait that follows (the driver resets it when the next call starts).
class ComPort final : public SerialPort {
public:
    explicit ComPort(HANDLE handle);
    ~ComPort() override;
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    int Apply(const PortSettings& settings) override;
    int SetLine(ModemLine line, bool on) override;
    int Write(const std::string& bytes, int timeoutMs) override;
    int ReadByte(uint8_t& byte, bool& got) override;
    int TakeQueued(std::string& bytes) override;
    int PurgeAll() override;
    int QueueCounts(int& rx, int& tx) override;
    int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) override;
    std::vector<Waitable> Waitables() const override {
        return dead_ ? std::vector<Waitable>() : std::vector<Waitable>{wait_.hEvent};
    }

private:
    int Complete(BOOL started, OVERLAPPED& call, int timeoutMs, DWORD& count);
    int Pump();
    int Arm();
    int Harvest(PortEvents& events, int timeoutMs);
    int Absorb(DWORD happened, PortEvents& events);
    int Fail(int error) {
        dead_ = true;
        return error;
    }

    const HANDLE h_;
    OVERLAPPED wait_{}, read_{}, write_{};
    DWORD happened_ = 0;   // what the outstanding WaitCommEvent found
    bool waiting_ = false; // a WaitCommEvent is outstanding or done and not yet looked at
    DWORD mask_ = 0;
    RxQueue rx_;
    bool txPending_ = false;
    bool dead_ = false;
};

ComPort::ComPort(HANDLE handle) : h_(handle) {
    for (OVERLAPPED* call : {&wait_, &read_, &write_})
        call->hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Received bytes are watched from the start, so that an event loop's
    // watch sees the first of them.
    mask_ = SetCommMask(h_, EV_RXCHAR) ? EV_RXCHAR : 0;
    if (mask_ != 0)
        Arm();
}

// The outstanding wait must have ended before its record goes.
ComPort::~ComPort() {
    SetCommMask(h_, 0);
    CancelIoEx(h_, nullptr);
    DWORD unused = 0;
    if (waiting_)
        GetOverlappedResult(h_, &wait_, &unused, TRUE);
    CloseHandle(h_);
    for (OVERLAPPED* call : {&wait_, &read_, &write_})
        CloseHandle(call->hEvent);
}

// The queue sizes go to the driver; the rest is the port's settings record
// and its time-outs: every read returns at once with what is queued, and a
// write with flow control gives up after 10 s of being held back.
int ComPort::Apply(const PortSettings& s) {
    int error = 0;
    auto note = [&error](BOOL ok) {
        if (!ok && error == 0)
            error = LastError();
    };
    note(SetupComm(h_, s.RxQueueSize, s.TxQueueSize));
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = static_cast<DWORD>(s.Baudrate); // any rate: the driver decides
    dcb.fBinary = TRUE;
    dcb.fParity = s.CheckParity;
    if (s.FlowMode == eFlowControl::RtsCts) {
        dcb.fOutxCtsFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    } else if (s.FlowMode == eFlowControl::DtrDsr) {
        dcb.fOutxDsrFlow = TRUE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    } else if (s.FlowMode == eFlowControl::XonXoff) {
        dcb.fOutX = TRUE;
        dcb.fInX = TRUE;
    }
    dcb.XonLim = static_cast<WORD>(s.RxQueueSize / 3);
    dcb.XoffLim = static_cast<WORD>(s.RxQueueSize / 3);
    dcb.ByteSize = s.DataBits == eDataBits::Bits7 ? 7 : 8;
    dcb.Parity = static_cast<BYTE>(s.Parity); // NOPARITY, ODDPARITY, ... in this order
    dcb.StopBits = s.StopBits == eStopBits::Bits2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = '?';
    note(SetCommState(h_, &dcb));
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    if (s.FlowMode != eFlowControl::None)
        timeouts.WriteTotalTimeoutConstant = 10000;
    note(SetCommTimeouts(h_, &timeouts));
    return error;
}

int ComPort::SetLine(ModemLine line, bool on) {
    const DWORD function = line == ModemLine::Dtr ? (on ? SETDTR : CLRDTR) : (on ? SETRTS : CLRRTS);
    return EscapeCommFunction(h_, function) ? 0 : LastError();
}

// Ends an overlapped call: at once when the driver finished it, otherwise
// after at most timeoutMs, cancelling it then (ETIMEDOUT). `count` is what it
// moved either way.
int ComPort::Complete(BOOL started, OVERLAPPED& call, int timeoutMs, DWORD& count) {
    count = 0;
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return LastError();
    if (!started && WaitForSingleObject(call.hEvent, static_cast<DWORD>(timeoutMs)) != 0) {
        CancelIoEx(h_, &call);
        GetOverlappedResult(h_, &call, &count, TRUE);
        return ETIMEDOUT;
    }
    return GetOverlappedResult(h_, &call, &count, FALSE) ? 0 : LastError();
}

int ComPort::Write(const std::string& bytes, int timeoutMs) {
    txPending_ = true;
    LogWire("tx", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    const int error =
        Complete(WriteFile(h_, bytes.data(), size, nullptr, &write_), write_, timeoutMs, written);
    return error == 0 && written < size ? ETIMEDOUT : error;
}

// Moves what the driver holds into the queue; a read that does not fill the
// buffer has taken everything there was.
int ComPort::Pump() {
    uint8_t buffer[RxChunk];
    while (!rx_.Full()) {
        DWORD got = 0;
        const int error =
            Complete(ReadFile(h_, buffer, RxChunk, nullptr, &read_), read_, ReadWaitMs, got);
        LogWire("rx", buffer, got);
        rx_.Append(buffer, got);
        if (error != 0)
            return error == ETIMEDOUT ? 0 : error;
        if (got < RxChunk)
            return 0;
    }
    return 0;
}

// A read error here is left for the next wait to report.
int ComPort::ReadByte(uint8_t& byte, bool& got) {
    got = rx_.Pop(byte) || (Pump() == 0 && rx_.Pop(byte));
    return 0;
}

int ComPort::TakeQueued(std::string& bytes) {
    rx_.TakeAll(bytes);
    return 0;
}

int ComPort::PurgeAll() {
    rx_.Clear();
    const DWORD all = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
    return PurgeComm(h_, all) ? 0 : LastError();
}

int ComPort::QueueCounts(int& rx, int& tx) {
    DWORD errors = 0;
    COMSTAT status{};
    rx = 0;
    tx = 0;
    if (!ClearCommError(h_, &errors, &status))
        return LastError();
    rx = static_cast<int>(rx_.Size() + status.cbInQue);
    tx = static_cast<int>(status.cbOutQue);
    return 0;
}

// Keeps one WaitCommEvent outstanding. One the driver finishes at once
// signals its event like any other, so that a watch sees it.
int ComPort::Arm() {
    if (waiting_)
        return 0;
    happened_ = 0;
    if (WaitCommEvent(h_, &happened_, &wait_))
        SetEvent(wait_.hEvent);
    else if (GetLastError() != ERROR_IO_PENDING)
        return LastError();
    waiting_ = true;
    return 0;
}

// Waits at most timeoutMs for the outstanding WaitCommEvent and takes in what
// it found. A wait ended with nothing (a mask changed, a cancel) finds nothing.
int ComPort::Harvest(PortEvents& e, int timeoutMs) {
    if (!waiting_)
        return 0;
    const DWORD r = WaitForMultipleObjects(1, &wait_.hEvent, FALSE, static_cast<DWORD>(timeoutMs));
    if (r == WAIT_TIMEOUT)
        return 0;
    if (r != WAIT_OBJECT_0)
        return LastError();
    waiting_ = false;
    DWORD unused = 0;
    if (!GetOverlappedResult(h_, &wait_, &unused, FALSE))
        return GetLastError() == ERROR_OPERATION_ABORTED ? 0 : LastError();
    return Absorb(happened_, e);
}

int ComPort::Absorb(DWORD happened, PortEvents& e) {
    if (happened & EV_RXCHAR) {
        if (const int error = Pump(); error != 0)
            return error;
    }
    DWORD lines = 0;
    if ((happened & (EV_CTS | EV_DSR | EV_RLSD)) && GetCommModemStatus(h_, &lines)) {
        e.CtsChanged = e.CtsChanged || (happened & EV_CTS);
        e.DsrChanged = e.DsrChanged || (happened & EV_DSR);
        e.RlsdChanged = e.RlsdChanged || (happened & EV_RLSD);
        e.Cts = lines & MS_CTS_ON;
        e.Dsr = lines & MS_DSR_ON;
        e.Rlsd = lines & MS_RLSD_ON;
    }
    e.Break = e.Break || (happened & EV_BREAK);
    e.Ring = e.Ring || (happened & EV_RING);
    if ((happened & EV_TXEMPTY) && txPending_) {
        txPending_ = false;
        e.TxEmpty = true;
    }
    return 0;
}

int ComPort::WaitEvents(PortEvents& e, PortWatch watch, int timeoutMs) {
    e.RxChar = rx_.TakeNewData();
    if (dead_) {
        if (!e.Any())
            WaitOut(timeoutMs); // nothing more can come: the time is waited out
        return 0;
    }
    // Only what has a listener is asked of the driver (a transmit-empty event
    // after every write would wake the owner for nothing). A new mask ends
    // the outstanding wait, with nothing found.
    const DWORD mask =
        EV_RXCHAR | (watch.TxEmpty ? EV_TXEMPTY : 0) | (watch.Lines ? LineEvents : 0);
    if (mask != mask_ && !SetCommMask(h_, mask))
        return Fail(LastError());
    mask_ = mask;
    const int64_t deadline = MonotonicMs() + (e.Any() ? 0 : timeoutMs);
    // A wait that ends with nothing found is waited again while time is left.
    for (int64_t left = deadline - MonotonicMs();; left = deadline - MonotonicMs()) {
        if (rx_.Full()) {
            WaitOut(static_cast<int>(std::min<int64_t>(left, BehindPollMs)));
            break;
        }
        if (const int error = Arm(); error != 0)
            return Fail(error);
        if (const int error = Harvest(e, static_cast<int>(std::max<int64_t>(left, 0))); error != 0)
            return Fail(error);
        e.RxChar = e.RxChar || rx_.TakeNewData();
        if (e.Any() || left <= 0)
            break;
    }
    // One wait stays outstanding for the owner's watch.
    if (!rx_.Full()) {
        if (const int error = Arm(); error != 0)
            return Fail(error);
    }
    return 0;
}

// "COM12" names the port \\.\COM12: without that prefix Windows finds only
// COM1..COM9.
std::string DeviceName(const std::string& path) {
    const bool bare = path.size() > 3 && _strnicmp(path.c_str(), "COM", 3) == 0 &&
                      std::all_of(path.begin() + 3, path.end(),
                                  [](unsigned char c) { return std::isdigit(c) != 0; });
    return bare ? "\\\\.\\" + path : path;
}

} // namespace

OpenResult OpenDevicePort(const std::string& path) {
    HANDLE h = CreateFileW(Wide(DeviceName(path)).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {nullptr, LastError()};
    // A file that is not a serial port (a ports\ entry naming a plain file).
    DCB probe{};
    probe.DCBlength = sizeof probe;
    if (!GetCommState(h, &probe)) {
        CloseHandle(h);
        return {nullptr, ENOTTY};
    }
    return {std::make_unique<ComPort>(h), 0};
}
