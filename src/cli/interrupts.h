#pragma once

// Ctrl-C (and SIGTERM, or the console closing on Windows) while the
// command-line program runs: the handler only counts them; the program's loop
// looks at the count between events and cancels the operation as the Cancel
// button does. One file per platform installs the handlers.
class InterruptGuard {
public:
    // Installs the handlers and starts counting from 0.
    InterruptGuard();
    // Puts the handlers that were there before back.
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

// Interrupts counted since the guard was installed.
int InterruptCount();

// For the platform's files: the guard starts the count at 0, and the
// handler counts each interrupt.
void StartCountingInterrupts();
void CountInterrupt();
