#include "link/port_io_posix.h"
#include "link/queued_port.h"
#include "link/tty_baud.h"
#include "link/wire_log.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// How often modem lines are sampled while nothing else happens, and how
// often the transmit queue is looked at while a write drains.
constexpr int ModemPollMs = 20;

class TtyPort final : public QueuedPort {
public:
    explicit TtyPort(int fd) : fd_(fd) {
        int bits = 0;
        hasModem_ = ioctl(fd_, TIOCMGET, &bits) == 0;
        lastBits_ = bits;
        serial_icounter_struct counts{};
        hasCounters_ = ioctl(fd_, TIOCGICOUNT, &counts) == 0;
        lastCounts_ = counts;
    }
    ~TtyPort() override { close(fd_); }

    int Apply(const PortSettings& settings) override;
    int SetLine(ModemLine line, bool on) override;
    int Write(const std::string& bytes, int timeoutMs) override;
    int PurgeAll() override;
    int QueueCounts(int& rx, int& tx) override;
    int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) override;
    std::vector<Waitable> Waitables() const override {
        return dead_ ? std::vector<Waitable>() : std::vector<Waitable>{fd_};
    }

private:
    int Fill() override;
    void CheckModem(PortEvents& events);
    int PollOnce(PortWatch watch, int timeoutMs);

    const int fd_;
    bool hasModem_ = false;
    bool hasCounters_ = false;
    int lastBits_ = 0;
    serial_icounter_struct lastCounts_{};
};

// The queue sizes have nothing to size here: a tty's buffers, and the
// XON/XOFF limits within them, belong to its driver.
int TtyPort::Apply(const PortSettings& s) {
    termios t{};
    if (tcgetattr(fd_, &t) != 0)
        return errno;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= s.DataBits == eDataBits::Bits7 ? CS7 : CS8;
    if (s.Parity != eParity::None)
        t.c_cflag |= PARENB;
    if (s.Parity == eParity::Odd || s.Parity == eParity::Mark)
        t.c_cflag |= PARODD;
    if (s.Parity == eParity::Mark || s.Parity == eParity::Space)
        t.c_cflag |= CMSPAR;
    if (s.StopBits == eStopBits::Bits2)
        t.c_cflag |= CSTOPB;
    t.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    if (s.CheckParity)
        t.c_iflag |= INPCK;
    if (s.FlowMode == eFlowControl::RtsCts)
        t.c_cflag |= CRTSCTS;
    if (s.FlowMode == eFlowControl::XonXoff)
        t.c_iflag |= IXON | IXOFF;
    t.c_cc[VSTART] = 0x11;
    t.c_cc[VSTOP] = 0x13;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    int error = 0;
    if (!SetStandardBaud(t, s.Baudrate))
        error = EINVAL;
    if (tcsetattr(fd_, TCSANOW, &t) != 0)
        return errno;
    if (error != 0)
        error = SetCustomBaud(fd_, s.Baudrate);
    // The lines have no hardware handshake of DTR/DSR kind here.
    if (error == 0 && s.FlowMode == eFlowControl::DtrDsr)
        error = ENOTSUP;
    return error;
}

int TtyPort::SetLine(ModemLine line, bool on) {
    int bit = line == ModemLine::Dtr ? TIOCM_DTR : TIOCM_RTS;
    return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0 ? 0 : errno;
}

int TtyPort::Write(const std::string& bytes, int timeoutMs) {
    LogWire("tx", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return WriteWithDeadline(fd_, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                             MonotonicMs() + timeoutMs, false);
}

// Moves what the driver holds into the queue. A raw tty answers an empty
// read with 0, not with EAGAIN; a device that has gone fails the read. A read
// that does not fill the buffer has taken everything there was: no second
// read to hear that nothing is left.
int TtyPort::Fill() {
    uint8_t buffer[4096];
    while (!rx_.Full()) {
        ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            LogWire("rx", buffer, static_cast<size_t>(n));
            rx_.Append(buffer, static_cast<size_t>(n));
            if (static_cast<size_t>(n) < sizeof buffer)
                return 0;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        return errno;
    }
    return 0;
}

int TtyPort::PurgeAll() {
    rx_.Clear();
    return tcflush(fd_, TCIOFLUSH) == 0 ? 0 : errno;
}

int TtyPort::QueueCounts(int& rx, int& tx) {
    rx = 0;
    tx = 0;
    int waiting = 0;
    if (ioctl(fd_, FIONREAD, &waiting) != 0 || ioctl(fd_, TIOCOUTQ, &tx) != 0)
        return errno;
    rx = static_cast<int>(rx_.Size()) + waiting;
    return 0;
}

void TtyPort::CheckModem(PortEvents& e) {
    int bits = 0;
    if (!hasModem_ || ioctl(fd_, TIOCMGET, &bits) != 0)
        return;
    int changed = bits ^ lastBits_;
    e.CtsChanged = changed & TIOCM_CTS;
    e.DsrChanged = changed & TIOCM_DSR;
    e.RlsdChanged = changed & TIOCM_CD;
    e.Cts = bits & TIOCM_CTS;
    e.Dsr = bits & TIOCM_DSR;
    e.Rlsd = bits & TIOCM_CD;
    e.Ring = (changed & TIOCM_RI) && !(bits & TIOCM_RI); // trailing edge, as a ring ends
    lastBits_ = bits;
    serial_icounter_struct counts{};
    if (hasCounters_ && ioctl(fd_, TIOCGICOUNT, &counts) == 0) {
        e.Break = counts.brk != lastCounts_.brk;
        e.Ring = e.Ring || counts.rng != lastCounts_.rng;
        lastCounts_ = counts;
    }
}

// One poll of the device. Returns a device failure or 0.
int TtyPort::PollOnce(PortWatch watch, int timeoutMs) {
    pollfd device{fd_, static_cast<short>(rx_.Full() ? 0 : POLLIN), 0};
    int timeout = -1;
    // Modem lines are sampled only while someone listens for them.
    if (hasModem_ && watch.Lines)
        timeout = ModemPollMs;
    if (rx_.Full() && timeout < 0)
        timeout = ModemPollMs; // the handler is behind: look again shortly
    if (poll(&device, 1, ShorterTimeout(timeout, timeoutMs)) < 0)
        return errno == EINTR ? 0 : errno;
    if (device.revents == 0)
        return 0;
    if (device.revents & POLLNVAL)
        return EBADF;
    int error = Fill();
    if (error == 0 && (device.revents & (POLLHUP | POLLERR)))
        error = EIO;
    return error;
}

int TtyPort::WaitEvents(PortEvents& e, PortWatch watch, int timeoutMs) {
    if (!dead_)
        CheckModem(e);
    e.RxChar = rx_.TakeNewData();
    if (e.Any())
        return 0;
    if (dead_) {
        WaitOut(timeoutMs); // nothing more can come: the time is waited out
        return 0;
    }
    if (int error = PollOnce(watch, timeoutMs); error != 0) {
        dead_ = true;
        return error;
    }
    e.RxChar = rx_.TakeNewData();
    return 0;
}

} // namespace

// Every program word is one round trip with the board, so a USB adapter that
// holds received bytes back for its latency timer (16 ms on common chips) would
// make a large chip take minutes. Ask the driver to pass bytes on at once;
// drivers without the setting (pseudo-terminals) just keep their pace.
static void RequestLowLatency(int fd) {
    serial_struct info{};
    if (ioctl(fd, TIOCGSERIAL, &info) != 0)
        return;
    if ((info.flags & ASYNC_LOW_LATENCY) != 0)
        return;
    info.flags |= ASYNC_LOW_LATENCY;
    ioctl(fd, TIOCSSERIAL, &info);
}

OpenResult OpenDevicePort(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, errno};
    if (!isatty(fd)) {
        close(fd);
        return {nullptr, ENOTTY};
    }
    // Nobody else may open the device while we hold it.
    if (ioctl(fd, TIOCEXCL) != 0) {
        int error = errno;
        close(fd);
        return {nullptr, error};
    }
    RequestLowLatency(fd);
    return {std::make_unique<TtyPort>(fd), 0};
}
