#pragma once

#include "link/handler_dispatcher.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

// A HandlerDispatcher served by a plain loop on the thread that created it:
// that thread calls RunFor or RunUntil, which run the callbacks handed over
// by other threads, one at a time.
class LoopDispatcher : public HandlerDispatcher {
public:
    LoopDispatcher() = default;

    void RunAndWait(const std::function<void()>& callback) override;
    void CancelPending() override;

    // Serves callbacks until the predicate holds (checked after each one) or
    // the time is up. Returns whether the predicate held.
    bool RunUntil(const std::function<bool()>& done, int timeoutMs);
    // Serves callbacks for the given time.
    void RunFor(int milliseconds);
    // Callbacks waiting to be served.
    size_t Pending();

private:
    struct Task {
        const std::function<void()>* callback = nullptr;
        bool finished = false;
    };

    bool ServeOne(std::unique_lock<std::mutex>& lock);

    const std::thread::id owner_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Task>> queue_;
};
