#include "platform/timer_slack.h"

#include <windows.h>

#include <mmsystem.h>

#include <mutex>

void WakePromptly() {
    // Asked once and kept until the process ends (the system drops it then).
    static std::once_flag asked;
    std::call_once(asked, [] { timeBeginPeriod(1); });
}
