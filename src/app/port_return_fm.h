#pragma once

#include "link/device_watch.h"

#include <QObject>

#include <functional>
#include <string>

class QSocketNotifier;
class QTimer;
class Workbench;

// Notices when the open port's board is unplugged and opens the port again
// when the same device (the same link name) or the same network server is
// back, the workbench resetting the board. Devices are watched through
// inotify; a network server, or a device that is back but will not open yet,
// is tried again every RetryMs.
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
    void WatchEvent();
    void Unplug();
    void TryReturn();

    Workbench& bench_;
    std::function<void(bool)> shownLive_;
    DeviceWatch watch_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
    std::string name_; // the watched name; empty for a network server
};
