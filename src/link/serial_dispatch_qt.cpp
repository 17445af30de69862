#include "link/serial_dispatch_qt.h"

#include "link/serial.h"
#include "link/waitable_watch_qt.h"

#include <chrono>

namespace {
constexpr int kLookMs = 20;
// The longest the port holds the thread before the event loop has its turn.
constexpr auto kSlice = std::chrono::milliseconds(20);
// Bytes within this long: the board is talking, and is waited for here.
constexpr auto kTalking = std::chrono::milliseconds(20);
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

// While the board is talking (its bytes came within the last 20 ms; a word is
// asked for every 1.6 ms while programming), its next bytes are waited for
// here, on the port alone, in slices of about 20 ms: a 'Y' is answered by the
// wait it ends, as tessaro-cli answers it, not by a pass through the whole
// event loop (on Windows a watch's wake-up is a hop through a thread of the
// system's and a posted message). Between slices the event loop has its turn
// (repaints, a Cancel). The turn comes only right after an answer went out,
// while the board takes the word, never while a 'Y' may be on its way; and
// after it the port is waited on again, whether or not the next 'Y' has come
// yet, not left to the watches. Once the board has been quiet for 20 ms the
// thread goes back to the loop, and the watches wake it when the board speaks.
void QtSerialServer::Serve() {
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + kSlice;
    int waitMs = 0; // the first look only looks
    for (;;) {
        bool received = false;
        if (!serial_.ServeEvents(waitMs, &received))
            return;
        const auto now = Clock::now();
        if (received)
            lastBytes_ = now;
        const auto talkingUntil = lastBytes_ + kTalking;
        if (now >= talkingUntil)
            return; // the board is quiet: the watches wake this thread
        if (received && now >= until) {
            again_.start(); // the event loop's turn, then the port again
            return;
        }
        waitMs = static_cast<int>(
            std::chrono::ceil<std::chrono::milliseconds>(talkingUntil - now).count());
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
