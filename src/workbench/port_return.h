#pragma once

#include "link/device_watch.h"

#include <string>

class Workbench;

// The rules for a board unplugged and plugged in again: when an error on the
// open port or a change in the device folder means its device is gone, and
// when it is back to be opened again (the workbench then resets the board).
// The same device is recognised by its link name; a network server, or a
// device that is back but will not open yet, is tried again by the face's
// timer. The face listens to Fd() and shows what these calls answer.
class PortReturn {
public:
    explicit PortReturn(Workbench& bench) : bench_(bench) {}

    // The port has been opened: watch what it leads to. True when there is a
    // descriptor (Fd()) to listen to.
    bool Opened();
    // The user closed the port or chose another: watch nothing.
    void Forget();
    int Fd() const { return watch_.Fd(); }

    // What the face is to do after an event.
    enum class Seen {
        Nothing,
        Unplugged, // the board is gone: show it, and try again every while
        Back,      // the port is open again: show it, and stop trying
    };
    // The serial component reported error `code` on the open port.
    Seen PortFailed(int code);
    // The watched folder changed (Fd() became readable).
    Seen WatchEvent();
    // The face's timer: the port tried again.
    Seen TryAgain();

private:
    Seen Unplug();

    Workbench& bench_;
    DeviceWatch watch_;
    std::string name_; // the watched name; empty for a network server
};
