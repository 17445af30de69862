#pragma once

#include <functional>

// Runs a callback on the thread that runs every handler (the user-interface
// thread) and blocks the calling thread until it has returned, so handlers
// never run concurrently.
class HandlerDispatcher {
public:
    virtual ~HandlerDispatcher() = default;
    // Called from the event thread. On the handler thread itself the callback
    // runs at once. Returns when the callback ran or was cancelled.
    virtual void RunAndWait(const std::function<void()>& callback) = 0;
    // Called on the handler thread: drops every callback still waiting and
    // releases the threads blocked on them; those callbacks never run.
    virtual void CancelPending() = 0;
};
