#include "link/serial.h"

// How TSerial serves its port: the wait, the handlers for what it found, and
// the framed-message assembler.

bool TSerial::ServeEvents(int timeoutMs, bool* received) {
    if (received != nullptr)
        *received = false;
    if (port_ == nullptr)
        return false;
    const unsigned serving = opens_;
    const PortWatch watch{static_cast<bool>(OnTxEmpty_), OnSignalChange_ || OnBreak_ || OnRing_};
    PortEvents e;
    const int failure = port_->WaitEvents(e, watch, timeoutMs);
    if (received != nullptr)
        *received = failure == 0 && e.RxChar;
    if (const int error = failure != 0 ? failure : e.Error; error != 0)
        ErrorPath(error);
    if (failure != 0 && StillOpen(serving) && OnPortChange_)
        OnPortChange_(); // the failed port has nothing more to watch
    if (failure == 0 && StillOpen(serving))
        Dispatch(e, serving);
    return true;
}

// Calls a copy of the handler, if there is one (it may replace itself); false
// when the port it was called for has closed meanwhile.
template <class Handler, class... Args>
bool TSerial::Raise(const Handler& handler, unsigned serving, const Args&... args) {
    if (!handler)
        return true;
    Handler copy = handler;
    copy(*this, args...);
    return StillOpen(serving);
}

// What one wait found, in order: line changes, transmit queue empty, break,
// ring, then the received bytes.
void TSerial::Dispatch(const PortEvents& e, unsigned serving) {
    const bool changed[] = {e.CtsChanged, e.DsrChanged, e.RlsdChanged};
    const bool states[] = {e.Cts, e.Dsr, e.Rlsd};
    for (int i = 0; i < 3; ++i) {
        if (changed[i] &&
            !Raise(OnSignalChange_, serving, static_cast<eModemInSignal>(i), states[i]))
            return;
    }
    const std::pair<bool, const TNotifyEvent&> notices[] = {
        {e.TxEmpty, OnTxEmpty_}, {e.Break, OnBreak_}, {e.Ring, OnRing_}};
    for (const auto& [happened, handler] : notices) {
        if (happened && !Raise(handler, serving))
            return;
    }
    if (!e.RxChar)
        return;
    if (RxEventMode_ == eOpModes::Normal)
        Raise(OnRxData_, serving);
    else if (OnMessage_)
        ReadMessages(serving);
}

// Framed mode: the component reads the bytes itself and hands on each
// complete message.
void TSerial::ReadMessages(unsigned serving) {
    uint8_t b = 0;
    bool got = false;
    while (StillOpen(serving) && port_->ReadByte(b, got) == 0 && got) {
        std::string message;
        bool done = false;
        FeedMessageByte(b, message, done);
        if (done)
            Raise(OnMessage_, serving, message);
    }
}

// One received byte into the message being assembled. A new start character
// drops a partial message; the end character and the bytes appended after it
// belong to the message. done is set when a message is complete.
void TSerial::FeedMessageByte(uint8_t b, std::string& complete, bool& done) {
    auto c = static_cast<char>(b);
    done = false;
    if (MessageState_ == 2) {
        RxMessage_.push_back(c);
        if (--AppendRemaining_ == 0) {
            MessageState_ = 3;
            done = true;
        }
    } else if (c == MessageStartChar_) {
        MessageState_ = 1;
        RxMessage_.assign(1, c);
    } else if (c == MessageEndChar_) {
        if (MessageState_ != 1)
            return;
        RxMessage_.push_back(c);
        MessageState_ = 2;
        AppendRemaining_ = MessageAppendCount_;
        if (AppendRemaining_ == 0) {
            MessageState_ = 3;
            done = true;
        }
    } else if (MessageState_ == 1) {
        RxMessage_.push_back(c);
    }
    if (done)
        complete = RxMessage_;
}
