#include "link/serial_dispatch_qt.h"

#include "link/serial.h"

#include <QSocketNotifier>

#include <chrono>


namespace {
constexpr int kLookMs = 20;
} // namespace

QtSerialServer::QtSerialServer(TSerial& serial, QObject* parent)
    : QObject(parent), serial_(serial) {
    connect(&timer_, &QTimer::timeout, this, [this] { Serve(); });
    timer_.start(kLookMs);
    serial_.SetOnPortChange([this] { Watch(); });
    Watch();
}

QtSerialServer::~QtSerialServer() {
    serial_.SetOnPortChange(nullptr);
    for (QSocketNotifier* n : notifiers_)
        delete n;
}

// While the board's bytes keep coming (a word asked for every 1.6 ms while
// programming), the next ones are waited for here, on the port alone, for a
// slice of 20 ms before the event loop has its turn again: a 'Y' is then
// answered by the wait it ends, not after a pass through the whole loop (which
// costs about as long again as the answer itself). The window still handles its
// own events (repaints, a Cancel) at least every slice.
void QtSerialServer::Serve() {
    constexpr auto kSlice = std::chrono::milliseconds(20);
    const auto until = std::chrono::steady_clock::now() + kSlice;
    bool received = false;
    serial_.ServeEvents(0, &received);
    while (received) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !serial_.ServeEvents(static_cast<int>(left.count()), &received))
            break;
    }
    Watch();
}

// Notifiers on the descriptors of the port now open. Old ones go later: one of
// them may be the sender of the signal being handled.
void QtSerialServer::Watch() {
    const unsigned generation = serial_.PortGeneration();
    if (watching_ && generation == generation_)
        return;
    for (QSocketNotifier* n : notifiers_) {
        n->setEnabled(false);
        n->deleteLater();
    }
    notifiers_.clear();
    generation_ = generation;
    watching_ = true;
    for (int fd : serial_.WaitFds()) {
        auto* n = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this] { Serve(); });
        notifiers_.push_back(n);
    }
}
