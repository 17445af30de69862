#include "cli/interrupts.h"

#include <windows.h>

namespace {
// Runs on a thread of its own that the system starts for the event. Ctrl-C
// and Ctrl-Break are taken (the program ends its operation itself); closing
// the console or logging off is left to the system.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    CountInterrupt();
    return TRUE;
}
} // namespace

InterruptGuard::InterruptGuard() {
    StartCountingInterrupts();
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptGuard::~InterruptGuard() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}
