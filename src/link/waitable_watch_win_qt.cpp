// The twin of waitable_watch_posix_qt.cpp for the event handles a Windows port
// gives to watch (the Windows build, with the Qt for Windows that
// scripts/deps-windows-qt makes).
#include "link/waitable_watch_qt.h"

#include <QWinEventNotifier>

QObject* WatchWaitable(Waitable waitable, QObject* parent, const std::function<void()>& ready) {
    auto* notifier = new QWinEventNotifier(waitable, parent);
    QObject::connect(notifier, &QWinEventNotifier::activated, parent, [ready] { ready(); });
    return notifier;
}

void EndWatch(QObject* watch) {
    static_cast<QWinEventNotifier*>(watch)->setEnabled(false);
    watch->deleteLater();
}
