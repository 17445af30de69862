#include "cli/interrupts.h"

#include <atomic>

namespace {
std::atomic<int> gInterrupts{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free count");

void CountInterrupt(int) {
    gInterrupts.fetch_add(1);
}
} // namespace

InterruptGuard::InterruptGuard() {
    gInterrupts.store(0);
    struct sigaction action {};
    action.sa_handler = CountInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
}

InterruptGuard::~InterruptGuard() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
}

int InterruptCount() {
    return gInterrupts.load();
}
