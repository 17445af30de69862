#include "link/serial_dispatch_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

namespace {
// The hand-off waits on the toolkit's own semaphore, which the thread
// sanitizer cannot see (the toolkit is not built for it): the order the
// hand-off makes between the two threads is told to it here.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
void HandOffAcquire(void* token) {
    __tsan_acquire(token);
}
void HandOffRelease(void* token) {
    __tsan_release(token);
}
#else
void HandOffAcquire(void*) {}
void HandOffRelease(void*) {}
#endif
} // namespace

QtHandlerDispatcher::QtHandlerDispatcher(QObject* parent) : QObject(parent) {}

void QtHandlerDispatcher::RunAndWait(const std::function<void()>& callback) {
    if (QThread::currentThread() == thread()) {
        callback();
        return;
    }
    int token = 0;
    HandOffRelease(&token);
    QMetaObject::invokeMethod(
        this,
        [&callback, &token] {
            HandOffAcquire(&token);
            callback();
            HandOffRelease(&token);
        },
        Qt::BlockingQueuedConnection);
    HandOffAcquire(&token);
}

void QtHandlerDispatcher::CancelPending() {
    // Removing a queued blocking call releases the thread waiting on it
    // without running the call.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}
