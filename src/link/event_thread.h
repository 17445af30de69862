#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// The board's answers are a byte time apart: the calling thread's waits end
// when they come, not a timer's slack later.
void WaitPromptlyOnThisThread();

class SerialPort;
class TSerial;
struct PortEvents;

// Waits for the events of its owner's open port and hands each to the
// handler thread, blocking until the handler has returned. While the port is
// closed it idles. An owner that waits on its port itself (ServeOnOwner) never
// starts the thread: its own thread waits and runs the handlers in one go.
class TEventThread {
public:
    explicit TEventThread(TSerial& owner) : owner_(owner) {}
    ~TEventThread();
    TEventThread(const TEventThread&) = delete;
    TEventThread& operator=(const TEventThread&) = delete;

    // Starts the thread on the first call; later calls wake an idle thread.
    // Nothing for an owner that serves its port itself.
    void Resume();
    // From now on the owner's thread waits on the port (before the first Resume).
    // Called on the owner's thread, which then waits on the port itself.
    void ServeOnOwner();
    bool OnOwner() const { return onOwner_; }
    // On the owner's thread: one wait of at most timeoutMs and the handlers
    // for what it brought, run here. False when the port is not open;
    // `received` tells whether bytes came.
    bool ServeHere(int timeoutMs, bool* received);
    // Waits until the thread has left its port or sits in a hand-off (where
    // the port is no longer touched), at most timeoutMs.
    void WaitForLeave(int timeoutMs);
    // Stops the thread and waits for it, releasing any hand-off it is blocked
    // in. Called on the handler thread.
    void Stop();

private:
    void Execute();
    bool ServeOnce(int timeoutMs = -1, bool* received = nullptr);
    void HandEvents(unsigned generation, SerialPort& port, const PortEvents& events);
    void ReadMessages(unsigned generation, SerialPort& port);
    void Hand(unsigned generation, const std::function<void()>& handler);
    void SetWaiting(bool waiting);

    TSerial& owner_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool started_ = false;
    bool terminated_ = false;
    bool finished_ = false;
    bool ThreadWaiting = false;
    bool inHandOff_ = false;
    bool onOwner_ = false;
};
