#include "link/loop_dispatcher.h"

#include <algorithm>
#include <chrono>

void LoopDispatcher::RunAndWait(const std::function<void()>& callback) {
    if (std::this_thread::get_id() == owner_) {
        callback();
        return;
    }
    auto task = std::make_shared<Task>();
    task->callback = &callback;
    std::unique_lock lock(mutex_);
    queue_.push_back(task);
    changed_.notify_all();
    changed_.wait(lock, [&] { return task->finished; });
}

void LoopDispatcher::CancelPending() {
    std::lock_guard lock(mutex_);
    for (auto& task : queue_)
        task->finished = true;
    queue_.clear();
    changed_.notify_all();
}

bool LoopDispatcher::ServeOne(std::unique_lock<std::mutex>& lock) {
    if (queue_.empty())
        return false;
    std::shared_ptr<Task> task = queue_.front();
    queue_.pop_front();
    lock.unlock();
    (*task->callback)();
    lock.lock();
    task->finished = true;
    changed_.notify_all();
    return true;
}

bool LoopDispatcher::RunUntil(const std::function<bool()>& done, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(mutex_);
    for (;;) {
        while (ServeOne(lock)) {
        }
        lock.unlock();
        bool finished = done();
        lock.lock();
        if (finished)
            return true;
        // Wake now and then: the predicate may wait on other threads too.
        auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        changed_.wait_until(lock, std::min(deadline, now + std::chrono::milliseconds(1)),
                            [&] { return !queue_.empty(); });
    }
}

void LoopDispatcher::RunFor(int milliseconds) {
    RunUntil([] { return false; }, milliseconds);
}

size_t LoopDispatcher::Pending() {
    std::lock_guard lock(mutex_);
    return queue_.size();
}
