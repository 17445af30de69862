#include "cli/interrupts.h"

#include <csignal>

namespace {
struct sigaction gOldInt {};
struct sigaction gOldTerm {};

void OnSignal(int) {
    CountInterrupt();
}
} // namespace

InterruptGuard::InterruptGuard() {
    StartCountingInterrupts();
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &gOldInt);
    sigaction(SIGTERM, &action, &gOldTerm);
}

InterruptGuard::~InterruptGuard() {
    sigaction(SIGINT, &gOldInt, nullptr);
    sigaction(SIGTERM, &gOldTerm, nullptr);
}
