#include "link/queued_port.h"
#include "link/win_errno.h"
#include "link/wire_log.h"
#include "platform/win_text.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace {

// How often a full receive queue is looked at again while the owner catches up.
constexpr int BehindPollMs = 20;
constexpr DWORD LineEvents = EV_CTS | EV_DSR | EV_RLSD | EV_BREAK | EV_RING;

int LastError() {
    return ErrnoOfSystem(GetLastError());
}

// A COM port opened for overlapped I/O, served by one wait on two calls kept
// outstanding: a read of one byte, which ends when a byte comes (so a board's
// answer is in hand when the wait ends), and a WaitCommEvent for the line
// events someone listens to. Their events are what an event loop watches.
// Every event is manual-reset: a watch that saw it must leave it set for the
// wait that follows (the driver resets it when the next call starts).
//
// Received bytes are not waited for with WaitCommEvent(EV_RXCHAR): under Wine
// that wait polls the device every millisecond or so, and a 16F877A took twice
// its wire time; a read ends as soon as the byte is there, on Windows too.
class ComPort final : public QueuedPort {
public:
    explicit ComPort(HANDLE handle);
    ~ComPort() override;
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    int Apply(const PortSettings& settings) override;
    int SetLine(ModemLine line, bool on) override;
    int Write(const std::string& bytes, int timeoutMs) override;
    int PurgeAll() override;
    int QueueCounts(int& rx, int& tx) override;
    int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) override;
    std::vector<Waitable> Waitables() const override {
        return dead_ ? std::vector<Waitable>() : std::vector<Waitable>{read_.hEvent, lines_.hEvent};
    }

private:
    int Fill() override;
    int Arm();
    int ArmRead();
    int Harvest(PortEvents& events, int timeoutMs);
    int TakeRead();
    int TakeLines(PortEvents& events);
    void Absorb(DWORD happened, PortEvents& events);
    int Fail(int error) {
        dead_ = true;
        return error;
    }

    const HANDLE h_;
    OVERLAPPED read_{}, lines_{}, write_{};
    uint8_t byte_ = 0;      // the outstanding read's
    DWORD happened_ = 0;    // the outstanding WaitCommEvent's
    bool reading_ = false;  // a read is outstanding, or done and not yet taken
    bool watching_ = false; // likewise a WaitCommEvent
    DWORD mask_ = 0;
};

ComPort::ComPort(HANDLE handle) : h_(handle) {
    for (OVERLAPPED* call : {&read_, &lines_, &write_})
        call->hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

// The outstanding calls must have ended before their records go.
ComPort::~ComPort() {
    SetCommMask(h_, 0);
    CancelIoEx(h_, nullptr);
    DWORD unused = 0;
    if (reading_)
        GetOverlappedResult(h_, &read_, &unused, TRUE);
    if (watching_)
        GetOverlappedResult(h_, &lines_, &unused, TRUE);
    CloseHandle(h_);
    for (OVERLAPPED* call : {&read_, &lines_, &write_})
        CloseHandle(call->hEvent);
}

// The queue sizes go to the driver; the rest is the port's settings record
// and its time-outs: none for reads (a read of one byte ends when it comes),
// and a write with flow control gives up after 10 s held back.
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
    if (s.FlowMode != eFlowControl::None)
        timeouts.WriteTotalTimeoutConstant = 10000;
    note(SetCommTimeouts(h_, &timeouts));
    return error;
}

int ComPort::SetLine(ModemLine line, bool on) {
    const DWORD function = line == ModemLine::Dtr ? (on ? SETDTR : CLRDTR) : (on ? SETRTS : CLRRTS);
    return EscapeCommFunction(h_, function) ? 0 : LastError();
}

// Sends every byte, waiting at most timeoutMs for the driver to take them; a
// write still going then is cancelled (ETIMEDOUT).
int ComPort::Write(const std::string& bytes, int timeoutMs) {
    LogWire("tx", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const auto size = static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(h_, bytes.data(), size, nullptr, &write_)) {
        if (GetLastError() != ERROR_IO_PENDING)
            return LastError();
        if (WaitForSingleObject(write_.hEvent, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
            CancelIoEx(h_, &write_);
            GetOverlappedResult(h_, &write_, &written, TRUE); // over before write_ is used again
            return ETIMEDOUT;
        }
    }
    if (!GetOverlappedResult(h_, &write_, &written, FALSE))
        return LastError();
    return written < size ? ETIMEDOUT : 0;
}

// What the outstanding read brought, if it is over.
int ComPort::Fill() {
    if (!reading_ || WaitForSingleObject(read_.hEvent, 0) != WAIT_OBJECT_0)
        return 0;
    return TakeRead();
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

// Keeps a read outstanding while the queue has room. One the driver finishes
// at once had its byte queued: the queued bytes are taken so, one by one,
// until a read stays outstanding.
int ComPort::ArmRead() {
    while (!reading_ && !rx_.Full()) {
        const BOOL done = ReadFile(h_, &byte_, 1, nullptr, &read_);
        if (!done && GetLastError() != ERROR_IO_PENDING)
            return LastError();
        reading_ = true;
        if (!done)
            return 0;
        const size_t before = rx_.Size();
        if (const int error = TakeRead(); error != 0 || rx_.Size() == before)
            return error; // a read that ends with nothing is tried at the next wait
    }
    return 0;
}

// Keeps the read and, while someone listens, the line wait outstanding. A
// wait the driver finishes at once signals its event like any other, so that
// a watch sees it.
int ComPort::Arm() {
    if (const int error = ArmRead(); error != 0)
        return error;
    if (!watching_ && mask_ != 0) {
        happened_ = 0;
        if (WaitCommEvent(h_, &happened_, &lines_))
            SetEvent(lines_.hEvent);
        else if (GetLastError() != ERROR_IO_PENDING)
            return LastError();
        watching_ = true;
    }
    return 0;
}

// The bytes of a read that is over. A read cancelled (a purge) brought none.
int ComPort::TakeRead() {
    reading_ = false;
    DWORD got = 0;
    if (!GetOverlappedResult(h_, &read_, &got, FALSE))
        return GetLastError() == ERROR_OPERATION_ABORTED ? 0 : LastError();
    LogWire("rx", &byte_, got);
    rx_.Append(&byte_, got);
    if (rx_.Full())
        ResetEvent(read_.hEvent); // no read follows to reset it: the watch must rest
    return 0;
}

// The line events of a wait that is over. One ended by a new mask found none.
int ComPort::TakeLines(PortEvents& e) {
    watching_ = false;
    DWORD unused = 0;
    if (!GetOverlappedResult(h_, &lines_, &unused, FALSE))
        return GetLastError() == ERROR_OPERATION_ABORTED ? 0 : LastError();
    Absorb(happened_, e);
    if (mask_ == 0)
        ResetEvent(lines_.hEvent); // no wait follows to reset it: the watch must rest
    return 0;
}

void ComPort::Absorb(DWORD happened, PortEvents& e) {
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
}

// One wait on both outstanding calls, then what each that is over brought.
int ComPort::Harvest(PortEvents& e, int timeoutMs) {
    const HANDLE events[] = {read_.hEvent, lines_.hEvent};
    const DWORD r = WaitForMultipleObjects(2, events, FALSE, static_cast<DWORD>(timeoutMs));
    if (r == WAIT_FAILED)
        return LastError();
    if (r == WAIT_TIMEOUT)
        return 0;
    if (reading_ && WaitForSingleObject(read_.hEvent, 0) == WAIT_OBJECT_0) {
        if (const int error = TakeRead(); error != 0)
            return error;
    }
    if (watching_ && WaitForSingleObject(lines_.hEvent, 0) == WAIT_OBJECT_0)
        return TakeLines(e);
    return 0;
}

int ComPort::WaitEvents(PortEvents& e, PortWatch watch, int timeoutMs) {
    e.RxChar = rx_.TakeNewData();
    if (dead_) {
        if (!e.Any())
            WaitOut(timeoutMs); // nothing more can come: the time is waited out
        return 0;
    }
    // Only what has a listener is asked of the driver. A new mask ends the
    // outstanding wait, with nothing found.
    const DWORD mask = watch.Lines ? LineEvents : 0;
    if (mask != mask_ && !SetCommMask(h_, mask))
        return Fail(LastError());
    mask_ = mask;
    const int64_t deadline = MonotonicMs() + (e.Any() ? 0 : timeoutMs);
    // A read or a wait that ends with nothing is issued again while time is left.
    for (int64_t left = deadline - MonotonicMs();; left = deadline - MonotonicMs()) {
        if (rx_.Full()) {
            WaitOut(static_cast<int>(std::min<int64_t>(std::max<int64_t>(left, 0), BehindPollMs)));
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
    // The calls stay outstanding for the owner's watch.
    if (const int error = Arm(); error != 0)
        return Fail(error);
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
