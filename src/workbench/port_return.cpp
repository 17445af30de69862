// A board's port going away with its device and coming back by itself.
#include "workbench/port_return.h"

#include "platform/file_places.h"
#include "workbench/workbench.h"

#include <cerrno>

namespace {
// Errors that mean the device or the server is gone, not that a call was wrong.
bool LinkLost(int code) {
    switch (code) {
    case EIO:
    case ENXIO:
    case ENODEV:
    case ECONNRESET:
    case ECONNABORTED:
    case ECONNREFUSED:
    case EPIPE:
    case ENOTCONN:
    case EHOSTUNREACH:
    case ENETUNREACH:
        return true;
    default:
        return false;
    }
}
} // namespace

bool PortReturn::Opened() {
    Forget();
    name_ = WatchedName(PortFolders(bench_.Places()), bench_.PortNumber());
    return !name_.empty() && watch_.Watch(name_);
}

void PortReturn::Forget() {
    watch_.Stop();
}

PortReturn::Seen PortReturn::PortFailed(int code) {
    if (bench_.PortLostNow() || !bench_.PortOpen())
        return Seen::Nothing;
    if (LinkLost(code) || (!name_.empty() && !NamePresent(name_)))
        return Unplug();
    return Seen::Nothing;
}

PortReturn::Seen PortReturn::WatchEvent() {
    if (!watch_.TakeEvents())
        return Seen::Nothing;
    const bool present = NamePresent(name_);
    if (!bench_.PortLostNow() && !present && bench_.PortOpen())
        return Unplug();
    if (bench_.PortLostNow() && present)
        return TryAgain();
    return Seen::Nothing;
}

PortReturn::Seen PortReturn::TryAgain() {
    if (!name_.empty() && !NamePresent(name_))
        return Seen::Nothing;
    // An operation cut off ends first, with its one box; a port that will not
    // open yet is tried again at the next event or retry.
    return bench_.PortBack() ? Seen::Back : Seen::Nothing;
}

PortReturn::Seen PortReturn::Unplug() {
    bench_.PortLost();
    return Seen::Unplugged;
}
