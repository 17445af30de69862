#pragma once

#include <csignal>

// Ctrl-C (SIGINT) and SIGTERM while the command-line program runs: the handler
// only counts them; the program's loop looks at the count between events and
// cancels the operation as the Cancel button does.
class InterruptGuard {
public:
    // Installs the handlers and starts counting from 0.
    InterruptGuard();
    // Puts the handlers that were there before back.
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// Interrupts counted since the guard was installed.
int InterruptCount();
