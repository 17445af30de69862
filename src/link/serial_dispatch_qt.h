#pragma once

#include "link/handler_dispatcher.h"

#include <QObject>

// The program's hand-off: the callback is queued to the thread this object
// lives in (the user-interface thread, where it must be created) and the
// calling thread blocks until it has run.
class QtHandlerDispatcher : public QObject, public HandlerDispatcher {
    Q_OBJECT
public:
    explicit QtHandlerDispatcher(QObject* parent = nullptr);

    void RunAndWait(const std::function<void()>& callback) override;
    void CancelPending() override;
};
