#pragma once

#include "link/device_watch.h"

#include <QObject>

#include <string>

class QSocketNotifier;
class QTimer;
class TProjFm;

// Notices when the open port's board is unplugged and opens the port again
// when the same device (the same link name) or the same network server is
// back, resetting the board. Devices are watched through inotify; a network
// server, or a device that is back but will not open yet, is tried again every
// RetryMs.
class TPortReturn : public QObject {
    Q_OBJECT
public:
    explicit TPortReturn(TProjFm& owner);
    ~TPortReturn() override;

    // The port has been opened: watch what it leads to.
    void Opened();
    // The user closed the port or chose another: watch nothing.
    void Forget();
    // The serial component reported an error on the open port.
    void PortFailed(int code);
    // While unplugged and nothing is under way the engine's ticks are held
    // (no reset can succeed): true when this tick is held.
    bool HoldsTick();
    bool Unplugged() const { return unplugged_; }

    int RetryMs = 3000;
    int Returns = 0; // times the port was opened again

private:
    void WatchEvent();
    void Unplug();
    void TryReturn();

    TProjFm& w_;
    DeviceWatch watch_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
    std::string name_; // the watched name; empty for a network server
    int com_ = 0;
    bool unplugged_ = false;
};
