#include "link/waitable_watch_qt.h"

#include <QSocketNotifier>

QObject* WatchWaitable(Waitable waitable, QObject* parent, const std::function<void()>& ready) {
    auto* notifier = new QSocketNotifier(waitable, QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [ready] { ready(); });
    return notifier;
}

void EndWatch(QObject* watch) {
    static_cast<QSocketNotifier*>(watch)->setEnabled(false);
    watch->deleteLater();
}
