#include "link/serial.h"

// How TSerial serves its port: the wait and the handlers for what it found.

bool TSerial::ServeEvents(int timeoutMs, bool* received) {
    if (received != nullptr)
        *received = false;
    if (port_ == nullptr)
        return false;
    const unsigned serving = opens_;
    const PortWatch watch{OnSignalChange_ || OnBreak_ || OnRing_};
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

// What one wait found, in order: line changes, break, ring, then the
// received bytes.
void TSerial::Dispatch(const PortEvents& e, unsigned serving) {
    const bool changed[] = {e.CtsChanged, e.DsrChanged, e.RlsdChanged};
    const bool states[] = {e.Cts, e.Dsr, e.Rlsd};
    for (int i = 0; i < 3; ++i) {
        if (changed[i] &&
            !Raise(OnSignalChange_, serving, static_cast<eModemInSignal>(i), states[i]))
            return;
    }
    const std::pair<bool, const TNotifyEvent&> notices[] = {{e.Break, OnBreak_}, {e.Ring, OnRing_}};
    for (const auto& [happened, handler] : notices) {
        if (happened && !Raise(handler, serving))
            return;
    }
    if (e.RxChar)
        Raise(OnRxData_, serving);
}
