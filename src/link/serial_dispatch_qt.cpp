#include "link/serial_dispatch_qt.h"

#include "link/serial.h"
#include "link/waitable_watch_qt.h"

#include <chrono>

namespace {
constexpr int kLookMs = 20;
} // namespace

QtSerialServer::QtSerialServer(TSerial& serial, QObject* parent)
    : QObject(parent), serial_(serial) {
    connect(&timer_, &QTimer::timeout, this, [this] { Serve(); });
    timer_.start(kLookMs);
    again_.setSingleShot(true);
    again_.setInterval(0);
    connect(&again_, &QTimer::timeout, this, [this] { Serve(); });
    serial_.SetOnPortChange([this] { Watch(); });
    Watch();
}

// The watches are children of this object and go with it.
QtSerialServer::~QtSerialServer() {
    serial_.SetOnPortChange(nullptr);
}

// While the board's bytes keep coming (a word asked for every 1.6 ms while
// programming), the next ones are waited for here, on the port alone, for a
// slice of 20 ms before the event loop has its turn again: a 'Y' is then
// answered by the wait it ends, not after a pass through the whole loop (which
// costs about as long again as the answer itself). The window still handles its
// own events (repaints, a Cancel) at least every slice. That turn comes right
// after an answer went out, while the board takes the word; once the loop has
// handled what was waiting, the port is waited on here again at once, so the
// next 'Y' does not find the loop asleep in its own wait.
void QtSerialServer::Serve() {
    constexpr auto kSlice = std::chrono::milliseconds(20);
    const auto until = std::chrono::steady_clock::now() + kSlice;
    bool received = false;
    serial_.ServeEvents(0, &received);
    while (received) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            again_.start();
            return;
        }
        if (!serial_.ServeEvents(static_cast<int>(left.count()), &received))
            return;
    }
}

// Watches on the waitables of the port now open, none while it is closed.
void QtSerialServer::Watch() {
    for (QObject* watch : watches_)
        EndWatch(watch);
    watches_.clear();
    for (Waitable waitable : serial_.Waitables())
        watches_.push_back(WatchWaitable(waitable, this, [this] { Serve(); }));
}
