// The board's port coming back by itself after an unplug.
#include "app/port_return_fm.h"

#include "link/com_names.h"
#include "platform/file_places.h"
#include "workbench/workbench.h"

#include <QSocketNotifier>
#include <QTimer>

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

TPortReturn::TPortReturn(Workbench& bench, std::function<void(bool)> shownLive, QObject* parent)
    : QObject(parent), bench_(bench), shownLive_(std::move(shownLive)) {
    setObjectName("PortReturn");
    retry_ = new QTimer(this);
    connect(retry_, &QTimer::timeout, this, &TPortReturn::TryReturn);
}

TPortReturn::~TPortReturn() {
    delete notifier_; // before the watch closes the descriptor it listens to
}

void TPortReturn::Opened() {
    Forget();
    name_ = WatchedName(PortFolders(bench_.Places()), bench_.PortNumber());
    if (name_.empty() || !watch_.Watch(name_))
        return;
    notifier_ = new QSocketNotifier(watch_.Fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TPortReturn::WatchEvent);
}

void TPortReturn::Forget() {
    delete notifier_;
    notifier_ = nullptr;
    watch_.Stop();
    retry_->stop();
}

void TPortReturn::PortFailed(int code) {
    if (bench_.PortLostNow() || !bench_.PortOpen())
        return;
    if (LinkLost(code) || (!name_.empty() && !NamePresent(name_)))
        Unplug();
}

void TPortReturn::WatchEvent() {
    if (!watch_.TakeEvents())
        return;
    const bool present = NamePresent(name_);
    if (!bench_.PortLostNow() && !present && bench_.PortOpen())
        Unplug();
    else if (bench_.PortLostNow() && present)
        TryReturn();
}

void TPortReturn::Unplug() {
    bench_.PortLost();
    shownLive_(false);
    retry_->start(std::max(RetryMs, 1));
}

void TPortReturn::TryReturn() {
    if (!name_.empty() && !NamePresent(name_))
        return;
    // An operation cut off ends first, with its one box; a port that will not
    // open yet is tried again at the next event or retry.
    if (!bench_.PortBack())
        return;
    ++Returns;
    retry_->stop();
    shownLive_(true);
}
