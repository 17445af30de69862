#include "link/serial_dispatch_qt.h"

#include "link/serial.h"

#include <QSocketNotifier>

#include <sys/prctl.h>

namespace {
constexpr int kLookMs = 20;
} // namespace

QtSerialServer::QtSerialServer(TSerial& serial, QObject* parent)
    : QObject(parent), serial_(serial) {
    // This thread waits for the board's answers: its waits end when they come.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    connect(&timer_, &QTimer::timeout, this, [this] { Serve(); });
    timer_.start(kLookMs);
}

QtSerialServer::~QtSerialServer() {
    for (QSocketNotifier* n : notifiers_)
        delete n;
}

void QtSerialServer::Serve() {
    serial_.ServeEvents(0);
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
