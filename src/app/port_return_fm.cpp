// The board's port coming back by itself after an unplug.
#include "app/port_return_fm.h"

#include "app/messages.h"
#include "app/proj_fm.h"
#include "link/serial.h"
#include "platform/translate.h"

#include <QLabel>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>

namespace {
constexpr const char* kBoardUnplugged = N_("Board unplugged");

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

TPortReturn::TPortReturn(TProjFm& owner) : w_(owner) {
    retry_ = new QTimer(this);
    connect(retry_, &QTimer::timeout, this, &TPortReturn::TryReturn);
}

TPortReturn::~TPortReturn() {
    delete notifier_; // before the watch closes the descriptor it listens to
}

void TPortReturn::Opened() {
    Forget();
    com_ = w_.Serial1->Port();
    name_ = WatchedName(PortFolders(w_.Places), com_);
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
    unplugged_ = false;
}

void TPortReturn::PortFailed(int code) {
    if (unplugged_ || !w_.Serial1 || !w_.Serial1->Active())
        return;
    if (LinkLost(code) || (!name_.empty() && !NamePresent(name_)))
        Unplug();
}

void TPortReturn::WatchEvent() {
    if (!watch_.TakeEvents())
        return;
    const bool present = NamePresent(name_);
    if (!unplugged_ && !present && w_.Serial1->Active())
        Unplug();
    else if (unplugged_ && present)
        TryReturn();
}

void TPortReturn::Unplug() {
    unplugged_ = true;
    w_.Serial1->SetActive(false);
    w_.ComLabel->setEnabled(false);
    w_.SetStatus(kBoardUnplugged);
    HoldsTick();
    retry_->start(std::max(RetryMs, 1));
}

bool TPortReturn::HoldsTick() {
    if (!unplugged_ || !w_.Engine->Idle())
        return false;
    // An operation cut off has had its say; a reset now would only fail. The
    // reset that follows the board's return is the one awaited.
    w_.Timer1->stop();
    w_.SetStatus(kBoardUnplugged);
    return true;
}

void TPortReturn::TryReturn() {
    // An operation cut off ends first, with its one box.
    if (!unplugged_ || !w_.Engine->Idle())
        return;
    if (!name_.empty() && !NamePresent(name_))
        return;
    w_.Serial1->SetActive(true);
    if (!w_.Serial1->Active())
        return; // tried again at the next event or retry
    unplugged_ = false;
    ++Returns;
    retry_->stop();
    w_.ComLabel->setEnabled(true);
    w_.Engine->ResetProgrammer(true);
}
