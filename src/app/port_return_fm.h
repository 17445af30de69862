#pragma once

#include "workbench/port_return.h"

#include <QObject>

#include <functional>

class QSocketNotifier;
class QTimer;
class Workbench;

// The workbench's port return on the window's event loop: its watch's
// descriptor listened to, its retries timed every RetryMs, the port
// indicator shown live or not.
class TPortReturn : public QObject {
    Q_OBJECT
public:
    // `shownLive` shows whether the port is there (the window's port indicator).
    TPortReturn(Workbench& bench, std::function<void(bool live)> shownLive, QObject* parent);
    ~TPortReturn() override;

    // The port has been opened: watch what it leads to.
    void Opened();
    // The user closed the port or chose another: watch nothing.
    void Forget();
    // The serial component reported an error on the open port.
    void PortFailed(int code);

    int RetryMs = 3000;
    int Returns = 0; // times the port was opened again

private:
    void Show(PortReturn::Seen seen);

    PortReturn rules_;
    std::function<void(bool)> shownLive_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
};
