#include "link/event_thread.h"

#include "link/serial.h"

#include <chrono>
#include <sys/prctl.h>

namespace {

// An idle thread looks at its port again after this long at the latest.
constexpr int IdleMs = 100;

} // namespace

TEventThread::~TEventThread() {
    Stop();
}

void TEventThread::Resume() {
    if (onOwner_)
        return;
    std::lock_guard lock(mutex_);
    if (!started_ && !terminated_) {
        started_ = true;
        thread_ = std::thread([this] { Execute(); });
    }
    changed_.notify_all();
}

void TEventThread::WaitForLeave(int timeoutMs) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                      [this] { return !ThreadWaiting || inHandOff_ || finished_; });
}

void TEventThread::Stop() {
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
        changed_.notify_all();
        if (!started_)
            return;
    }
    // The thread may be blocked handing an event to this very thread: drop
    // such hand-offs until it has finished.
    std::unique_lock lock(mutex_);
    while (!finished_) {
        lock.unlock();
        if (owner_.dispatcher_ != nullptr)
            owner_.dispatcher_->CancelPending();
        if (std::shared_ptr<SerialPort> port = owner_.CurrentPort())
            port->Interrupt(); // in case the port was left open
        lock.lock();
        changed_.wait_for(lock, std::chrono::milliseconds(1), [this] { return finished_; });
    }
    lock.unlock();
    if (thread_.joinable())
        thread_.join();
}

void TEventThread::SetWaiting(bool waiting) {
    std::lock_guard lock(mutex_);
    ThreadWaiting = waiting;
    changed_.notify_all();
}

bool TEventThread::ServeHere(int timeoutMs, bool* received) {
    return ServeOnce(timeoutMs, received);
}

void WaitPromptlyOnThisThread() { prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL); }

void TEventThread::ServeOnOwner() {
    onOwner_ = true;
    WaitPromptlyOnThisThread();
}

void TEventThread::Execute() {
    WaitPromptlyOnThisThread();
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (terminated_)
                break;
        }
        if (!ServeOnce()) {
            std::unique_lock lock(mutex_);
            ThreadWaiting = false;
            changed_.notify_all();
            changed_.wait_for(lock, std::chrono::milliseconds(IdleMs),
                              [this] { return terminated_ || owner_.Active_; });
        }
    }
    std::lock_guard lock(mutex_);
    ThreadWaiting = false;
    finished_ = true;
    changed_.notify_all();
}

// Runs the handler on the handler thread if the port it belongs to is still
// the one being served when its turn comes.
void TEventThread::Hand(unsigned generation, const std::function<void()>& handler) {
    if (onOwner_) {
        if (owner_.Serving(generation))
            handler();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        if (terminated_)
            return;
        inHandOff_ = true;
        changed_.notify_all();
    }
    auto call = [&] {
        if (owner_.Serving(generation))
            handler();
    };
    if (owner_.dispatcher_ != nullptr)
        owner_.dispatcher_->RunAndWait(call);
    else
        call(); // without a dispatcher the handlers run on this thread
    std::lock_guard lock(mutex_);
    inHandOff_ = false;
}

// One wait on the open port and the hand-offs for what it reported; false
// when the port is not open.
bool TEventThread::ServeOnce(int timeoutMs, bool* received) {
    unsigned generation = 0;
    std::shared_ptr<SerialPort> port = owner_.CurrentPort(&generation);
    if (!owner_.Active_ || port == nullptr)
        return false;
    if (!onOwner_)
        SetWaiting(true);
    PortWatch watch;
    {
        std::lock_guard lock(owner_.mutex_);
        const TSerial::Handlers& h = owner_.handlers_;
        watch = {static_cast<bool>(h.OnTxEmpty), h.OnSignalChange || h.OnBreak || h.OnRing};
    }
    PortEvents e;
    int failure = port->WaitEvents(e, watch, timeoutMs);
    if (received != nullptr)
        *received = failure == 0 && e.RxChar;
    if (owner_.Closing_ || !owner_.Serving(generation))
        return true;
    int error = failure != 0 ? failure : e.Error;
    if (error != 0)
        Hand(generation, [&] { owner_.ErrorPath(error); });
    if (failure == 0)
        HandEvents(generation, *port, e);
    return true;
}

// Hands what one wait found, in order: line changes, transmit queue empty,
// break, ring, then the received bytes. Each handler is looked up when its
// turn comes on the handler thread, so a handler removed meanwhile never runs.
void TEventThread::HandEvents(unsigned generation, SerialPort& port, const PortEvents& e) {
    TSerial& s = owner_;
    const bool changed[] = {e.CtsChanged, e.DsrChanged, e.RlsdChanged};
    const bool states[] = {e.Cts, e.Dsr, e.Rlsd};
    std::atomic<bool>* stored[] = {&s.CtsState_, &s.DsrState_, &s.RlsdState_};
    for (int i = 0; i < 3; ++i) {
        if (!changed[i])
            continue;
        *stored[i] = states[i];
        Hand(generation, [&] {
            if (auto handler = s.HandlersCopy().OnSignalChange)
                handler(s, static_cast<eModemInSignal>(i), states[i]);
        });
    }
    auto notify = [&](TNotifyEvent TSerial::Handlers::*member) {
        if (TNotifyEvent handler = s.HandlerCopy(member))
            Hand(generation, [&] {
                // Looked up again on the handler thread after a hand-off.
                if (!onOwner_)
                    handler = s.HandlerCopy(member);
                if (handler)
                    handler(s);
            });
    };
    if (e.TxEmpty)
        notify(&TSerial::Handlers::OnTxEmpty);
    if (e.Break)
        notify(&TSerial::Handlers::OnBreak);
    if (e.Ring)
        notify(&TSerial::Handlers::OnRing);
    if (!e.RxChar)
        return;
    if (s.RxEventMode_ == eOpModes::Normal)
        notify(&TSerial::Handlers::OnRxData);
    else if (s.HandlersCopy().OnMessage)
        ReadMessages(generation, port);
}

// Framed mode: the thread reads the bytes itself and hands each complete
// message.
void TEventThread::ReadMessages(unsigned generation, SerialPort& port) {
    TSerial& s = owner_;
    uint8_t b = 0;
    bool got = false;
    while (s.Serving(generation) && port.ReadByte(b, got) == 0 && got) {
        std::string message;
        bool done = false;
        s.FeedMessageByte(b, message, done);
        if (done)
            Hand(generation, [&] {
                if (auto handler = s.HandlersCopy().OnMessage)
                    handler(s, message);
            });
    }
}
