#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QSocketNotifier;
class TSerial;

// Serves a serial component on the user-interface thread: the toolkit's event
// loop watches the open port, and what arrives is handled at once on this
// thread, the one that runs every handler, with no thread in between. Must
// be created on that thread, after ServeOnOwnerThread, and go before the
// component.
class QtSerialServer : public QObject {
    Q_OBJECT
public:
    explicit QtSerialServer(TSerial& serial, QObject* parent = nullptr);
    ~QtSerialServer() override;

private:
    void Serve();
    void Watch();

    TSerial& serial_;
    unsigned generation_ = 0;
    bool watching_ = false;
    std::vector<QSocketNotifier*> notifiers_;
    // Looks at the port now and then for what no descriptor announces (a
    // server's unanswered setting).
    QTimer timer_;
};
