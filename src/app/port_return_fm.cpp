// The board's port coming back by itself after an unplug: the workbench's
// rules on the window's event loop.
#include "app/port_return_fm.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

TPortReturn::TPortReturn(Workbench& bench, std::function<void(bool)> shownLive, QObject* parent)
    : QObject(parent), rules_(bench), shownLive_(std::move(shownLive)) {
    setObjectName("PortReturn");
    retry_ = new QTimer(this);
    connect(retry_, &QTimer::timeout, this, [this] { Show(rules_.TryAgain()); });
}

TPortReturn::~TPortReturn() {
    delete notifier_; // before the watch closes the descriptor it listens to
}

void TPortReturn::Opened() {
    Forget();
    if (!rules_.Opened())
        return;
    notifier_ = new QSocketNotifier(rules_.Fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Show(rules_.WatchEvent()); });
}

void TPortReturn::Forget() {
    delete notifier_;
    notifier_ = nullptr;
    rules_.Forget();
    retry_->stop();
}

void TPortReturn::PortFailed(int code) {
    Show(rules_.PortFailed(code));
}

void TPortReturn::Show(PortReturn::Seen seen) {
    switch (seen) {
    case PortReturn::Seen::Nothing:
        return;
    case PortReturn::Seen::Unplugged:
        shownLive_(false);
        retry_->start(std::max(RetryMs, 1));
        return;
    case PortReturn::Seen::Back:
        ++Returns;
        retry_->stop();
        shownLive_(true);
        return;
    }
}
