#include "cli/interrupts.h"

#include <atomic>

namespace {
std::atomic<int> gInterrupts{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free count");
} // namespace

void CountInterrupt() {
    gInterrupts.fetch_add(1);
}

void StartCountingInterrupts() {
    gInterrupts.store(0);
}

int InterruptCount() {
    return gInterrupts.load();
}
