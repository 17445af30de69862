#pragma once

#include <chrono>

// The engine's 100 ms tick as a face's event loop gives it: the workbench asks
// for it on and off, and the face calls Workbench::Tick at each. The window's
// is a toolkit timer; a face that serves its own loop uses DeadlineTicker.
class Ticker {
public:
    virtual ~Ticker() = default;
    // On, every `intervalMs`, the first one interval from now.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

// A ticker for a loop that waits on the port itself: it says how long the
// loop may wait and when a tick is due. A tick that comes late (after a pause)
// is one tick, as with a window timer.
class DeadlineTicker : public Ticker {
public:
    using Clock = std::chrono::steady_clock;

    void Start(int intervalMs) override;
    void Stop() override { on_ = false; }
    // A tick is due now: true once, and the next one an interval later.
    bool Due();
    // How long a wait may last before the next tick (at most `longest`).
    int WaitMs(int longest) const;

private:
    bool on_ = false;
    std::chrono::milliseconds interval_{100};
    Clock::time_point next_;
};
