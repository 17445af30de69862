#include "link/serial_dispatch_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

QtHandlerDispatcher::QtHandlerDispatcher(QObject* parent) : QObject(parent) {}

void QtHandlerDispatcher::RunAndWait(const std::function<void()>& callback) {
    if (QThread::currentThread() == thread()) {
        callback();
        return;
    }
    QMetaObject::invokeMethod(
        this, [&callback] { callback(); }, Qt::BlockingQueuedConnection);
}

void QtHandlerDispatcher::CancelPending() {
    // Removing a queued blocking call releases the thread waiting on it
    // without running the call.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}
