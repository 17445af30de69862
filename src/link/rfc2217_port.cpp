#include "link/rfc2217_port.h"

#include "link/wire_log.h"

#include <algorithm>
#include <cerrno>

using namespace telnet;

namespace {

// How long the opening waits for the server to take COM-PORT-OPTION, and how
// long a close waits for the server to hang up after our last bytes.
constexpr int ComPortAgreementMs = 1000;
constexpr int HangUpMs = 200;
constexpr int ControlSendMs = 500;

uint8_t ParityCode(eParity parity) {
    return static_cast<uint8_t>(static_cast<uint8_t>(parity) + 1);
}

uint8_t FlowCode(eFlowControl flow) {
    switch (flow) {
    case eFlowControl::RtsCts:
        return HardwareFlow;
    case eFlowControl::DtrDsr:
        return DsrFlow;
    case eFlowControl::XonXoff:
        return XonXoffFlow;
    case eFlowControl::None:
        break;
    }
    return NoFlowControl;
}

} // namespace

Rfc2217Port::Rfc2217Port(std::unique_ptr<TcpLink> link, int ackTimeoutMs)
    : link_(std::move(link)), ackTimeoutMs_(ackTimeoutMs) {}

// Lets the server take our last bytes and hang up before the connection
// goes, so that nothing we sent is cut off by a reset.
Rfc2217Port::~Rfc2217Port() {
    link_->EndSending();
    const int64_t deadline = MonotonicMs() + HangUpMs;
    uint8_t buffer[512];
    for (int64_t left = HangUpMs; left > 0; left = deadline - MonotonicMs()) {
        bool readable = false;
        std::size_t got = 0;
        if (link_->WaitReadable(static_cast<int>(left), readable) != 0 || !readable ||
            link_->Receive(buffer, sizeof buffer, got) != 0)
            break;
    }
}

int Rfc2217Port::Start() {
    weWill_.set(OptBinary);
    weDo_.set(OptBinary);
    weWill_.set(OptComPort);
    return Send(Negotiation(WILL, OptBinary) + Negotiation(DO, OptBinary) +
                    Negotiation(WILL, OptComPort),
                ControlSendMs);
}

int Rfc2217Port::Send(const std::string& wire, int timeoutMs) {
    return link_->Send(reinterpret_cast<const uint8_t*>(wire.data()), wire.size(),
                       MonotonicMs() + timeoutMs);
}

int Rfc2217Port::SendCommand(uint8_t command, const std::string& value, bool expectAnswer) {
    // A server that did not take COM-PORT-OPTION gets no port commands.
    if (comPort_ != 1)
        return EPROTONOSUPPORT;
    const int error = Send(ComPortCommand(command, value), ControlSendMs);
    if (error == 0 && expectAnswer)
        pending_.push_back(
            {static_cast<uint8_t>(command + ServerOffset), value, MonotonicMs() + ackTimeoutMs_});
    return error;
}

int Rfc2217Port::WaitForComPort() {
    int64_t deadline = MonotonicMs() + ComPortAgreementMs;
    while (comPort_ == 0) {
        int64_t left = deadline - MonotonicMs();
        if (left <= 0)
            return ETIMEDOUT;
        bool readable = false;
        if (int error =
                link_->WaitReadable(static_cast<int>(std::min<int64_t>(left, 10)), readable);
            error != 0)
            return error;
        if (readable) {
            if (int error = Fill(); error != 0)
                return error;
        }
    }
    return comPort_ > 0 ? 0 : EPROTONOSUPPORT;
}

// The queue sizes have no command here: the server sizes its own.
int Rfc2217Port::Apply(const PortSettings& s) {
    if (int error = WaitForComPort(); error != 0)
        return error;
    int errors[] = {
        SendCommand(SetBaudrate, BigEndian32(static_cast<uint32_t>(s.Baudrate)), true),
        SendCommand(SetDatasize, std::string(1, s.DataBits == eDataBits::Bits7 ? 7 : 8), true),
        SendCommand(SetParity, std::string(1, static_cast<char>(ParityCode(s.Parity))), true),
        SendCommand(SetStopsize, std::string(1, s.StopBits == eStopBits::Bits2 ? 2 : 1), true),
        SendCommand(SetControl, std::string(1, static_cast<char>(FlowCode(s.FlowMode))), false),
        SendCommand(SetLinestateMask, std::string(1, static_cast<char>(LineBreak)), false),
    };
    for (int error : errors) {
        if (error != 0)
            return error;
    }
    return 0;
}

int Rfc2217Port::SetLine(ModemLine line, bool on) {
    uint8_t value = line == ModemLine::Dtr ? (on ? DtrOn : DtrOff) : (on ? RtsOn : RtsOff);
    return SendCommand(SetControl, std::string(1, static_cast<char>(value)), true);
}

int Rfc2217Port::Write(const std::string& bytes, int timeoutMs) {
    LogWire("tx", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return Send(EscapeIac(bytes), timeoutMs);
}

int Rfc2217Port::PurgeAll() {
    rx_.Clear();
    return SendCommand(PurgeData, std::string(1, 3), false);
}

int Rfc2217Port::QueueCounts(int& rx, int& tx) {
    rx = static_cast<int>(rx_.Size());
    return link_->Unsent(tx);
}

// Reads what the server sent. Returns ECONNRESET once the server hung up. A
// short read has taken everything there was.
int Rfc2217Port::Fill() {
    uint8_t buffer[4096];
    while (!rx_.Full()) {
        std::size_t got = 0;
        if (int error = link_->Receive(buffer, sizeof buffer, got); error != 0)
            return error;
        if (got == 0)
            return 0;
        Input input;
        reader_.Feed(buffer, got, input);
        HandleInput(input);
        if (got < sizeof buffer)
            return 0;
    }
    return 0;
}

void Rfc2217Port::HandleInput(Input& input) {
    auto data = reinterpret_cast<const uint8_t*>(input.data.data());
    LogWire("rx", data, input.data.size());
    rx_.Append(data, input.data.size());
    for (auto [verb, option] : input.negotiations)
        HandleNegotiation(verb, option);
    for (const std::string& sub : input.subnegotiations) {
        if (sub.size() >= 2 && static_cast<uint8_t>(sub[0]) == OptComPort)
            HandleComPort(sub);
    }
}

// Takes BINARY and COM-PORT-OPTION (and suppressed go-ahead) both ways and
// refuses the rest; answers only when the state changes, so two sides never
// loop.
void Rfc2217Port::HandleNegotiation(uint8_t verb, uint8_t option) {
    bool wanted = option == OptBinary || option == OptSuppressGoAhead ||
                  (option == OptComPort && (verb == DO || verb == DONT));
    std::string reply;
    if (verb == DO || verb == DONT) {
        if (option == OptComPort)
            comPort_ = verb == DO ? 1 : -1;
        bool on = verb == DO && wanted;
        if (on != weWill_.test(option) || (verb == DO && !wanted)) {
            weWill_.set(option, on);
            reply = Negotiation(on ? WILL : WONT, option);
        }
    } else {
        bool on = verb == WILL && wanted;
        if (on != weDo_.test(option) || (verb == WILL && !wanted)) {
            weDo_.set(option, on);
            reply = Negotiation(on ? DO : DONT, option);
        }
    }
    if (!reply.empty())
        Send(reply, ControlSendMs);
}

void Rfc2217Port::HandleComPort(const std::string& sub) {
    auto answer = static_cast<uint8_t>(sub[1]);
    std::string value = sub.substr(2);
    answers_[answer] = value;
    if (answer == NotifyModemstate + ServerOffset && !value.empty())
        HandleModemState(static_cast<uint8_t>(value[0]));
    if (answer == NotifyLinestate + ServerOffset && !value.empty() &&
        (static_cast<uint8_t>(value[0]) & LineBreak))
        events_.Break = true;
    auto match = std::find_if(pending_.begin(), pending_.end(), [&](const Pending& p) {
        return p.answer == answer && (answer != SetControl + ServerOffset || p.value == value);
    });
    if (match == pending_.end())
        return;
    // A server that cannot run the rate tells the one it runs instead.
    if (answer == SetBaudrate + ServerOffset && value != match->value)
        events_.Error = EINVAL;
    pending_.erase(match);
}

void Rfc2217Port::HandleModemState(uint8_t state) {
    // Lines count as low until the server first tells their state.
    int changed = state ^ modemState_;
    events_.CtsChanged = events_.CtsChanged || (changed & ModemCts);
    events_.DsrChanged = events_.DsrChanged || (changed & ModemDsr);
    events_.RlsdChanged = events_.RlsdChanged || (changed & ModemRlsd);
    events_.Cts = state & ModemCts;
    events_.Dsr = state & ModemDsr;
    events_.Rlsd = state & ModemRlsd;
    if ((state & ModemRiTrailingEdge) || ((modemState_ & ModemRi) && !(state & ModemRi)))
        events_.Ring = true;
    modemState_ = state;
}

std::string Rfc2217Port::LastAnswer(uint8_t command) const {
    auto it = answers_.find(static_cast<uint8_t>(command + ServerOffset));
    return it == answers_.end() ? std::string() : it->second;
}

void Rfc2217Port::Collect(PortEvents& e) {
    e = events_;
    events_ = PortEvents{};
    const int64_t now = MonotonicMs();
    auto expired = std::remove_if(pending_.begin(), pending_.end(),
                                  [now](const Pending& p) { return p.deadlineMs <= now; });
    if (expired != pending_.end() && e.Error == 0)
        e.Error = ETIMEDOUT;
    pending_.erase(expired, pending_.end());
    e.RxChar = rx_.TakeNewData();
}

int Rfc2217Port::NextTimeoutMs() {
    if (pending_.empty())
        return -1;
    int64_t first = pending_.front().deadlineMs;
    for (const Pending& p : pending_)
        first = std::min(first, p.deadlineMs);
    return static_cast<int>(std::clamp<int64_t>(first - MonotonicMs(), 0, 60000));
}

int Rfc2217Port::WaitEvents(PortEvents& e, PortWatch /*watch*/, int timeoutMs) {
    Collect(e);
    if (e.Any() || dead_) {
        if (!e.Any())
            WaitOut(timeoutMs); // nothing more can come: the time is waited out
        return 0;
    }
    int timeout = NextTimeoutMs();
    bool readable = false;
    if (rx_.Full()) {
        // The handler is behind: nothing is read until it catches up.
        WaitOut(ShorterTimeout(timeout < 0 ? 10 : timeout, timeoutMs));
    } else if (int error = link_->WaitReadable(ShorterTimeout(timeout, timeoutMs), readable);
               error != 0) {
        dead_ = true;
        return error;
    }
    if (readable) {
        if (int error = Fill(); error != 0) {
            dead_ = true;
            pending_.clear();
            return error;
        }
    }
    Collect(e);
    return 0;
}
