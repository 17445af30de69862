#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <vector>

class TSerial;

// Serves a serial component on the user-interface thread: the toolkit's event
// loop watches the open port, and what arrives is handled at once on this
// thread, the one that owns the component, with no thread in between. Must
// be created on that thread and go before the component.
class QtSerialServer : public QObject {
    Q_OBJECT
public:
    explicit QtSerialServer(TSerial& serial, QObject* parent = nullptr);
    ~QtSerialServer() override;

private:
    void Serve();
    void Watch();

    TSerial& serial_;
    std::vector<QObject*> watches_;
    // Looks at the port now and then for what no waitable announces (a
    // server's unanswered setting).
    QTimer timer_;
    // Serves the port again once the event loop has had its turn.
    QTimer again_;
    // When the board's bytes last came.
    std::chrono::steady_clock::time_point lastBytes_;
};
