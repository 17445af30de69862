#include "link/event_thread.h"

#include "link/serial.h"

#include <chrono>

namespace {

// An idle thread looks at its port again after this long at the latest.
constexpr int IdleMs = 100;

} // namespace

TEventThread::~TEventThread() { Stop(); }

void TEventThread::Resume() {
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
        owner_.dispatcher_->CancelPending();
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

void TEventThread::Execute() {
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
    {
        std::lock_guard lock(mutex_);
        if (terminated_)
            return;
        inHandOff_ = true;
        changed_.notify_all();
    }
    owner_.dispatcher_->RunAndWait([&] {
        if (owner_.Serving(generation))
            handler();
    });
    std::lock_guard lock(mutex_);
    inHandOff_ = false;
}

// One wait on the open port and the hand-offs for what it reported; false
// when the port is not open.
bool TEventThread::ServeOnce() {
    unsigned generation = 0;
    std::shared_ptr<SerialPort> port = owner_.CurrentPort(&generation);
    if (!owner_.Active_ || port == nullptr)
        return false;
    SetWaiting(true);
    TSerial::Handlers h = owner_.HandlersCopy();
    PortEvents e;
    int failure = port->WaitEvents(e, static_cast<bool>(h.OnTxEmpty));
    if (owner_.Closing_ || !owner_.Serving(generation))
        return true;
    TSerial& s = owner_;
    int error = failure != 0 ? failure : e.Error;
    if (error != 0)
        Hand(generation, [&] { s.ErrorPath(error); });
    if (failure != 0)
        return true;
    h = owner_.HandlersCopy();
    const std::pair<bool, eModemInSignal> lines[] = {
        {e.CtsChanged, CTS}, {e.DsrChanged, DSR}, {e.RlsdChanged, RLSD}};
    const bool states[] = {e.Cts, e.Dsr, e.Rlsd};
    std::atomic<bool>* stored[] = {&s.CtsState_, &s.DsrState_, &s.RlsdState_};
    for (int i = 0; i < 3; ++i) {
        if (!lines[i].first)
            continue;
        *stored[i] = states[i];
        if (h.OnSignalChange)
            Hand(generation, [&] { h.OnSignalChange(s, lines[i].second, states[i]); });
    }
    if (e.TxEmpty && h.OnTxEmpty)
        Hand(generation, [&] { h.OnTxEmpty(s); });
    if (e.Break && h.OnBreak)
        Hand(generation, [&] { h.OnBreak(s); });
    if (e.Ring && h.OnRing)
        Hand(generation, [&] { h.OnRing(s); });
    if (!e.RxChar)
        return true;
    if (s.RxEventMode_ == rxNormal) {
        if (h.OnRxData)
            Hand(generation, [&] { h.OnRxData(s); });
        return true;
    }
    if (!h.OnMessage)
        return true;
    uint8_t b = 0;
    bool got = false;
    while (s.Serving(generation) && port->ReadByte(b, got) == 0 && got) {
        std::string message;
        bool done = false;
        s.FeedMessageByte(b, message, done);
        if (done)
            Hand(generation, [&] { h.OnMessage(s, message); });
    }
    return true;
}
