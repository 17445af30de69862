#include "platform/timer_slack.h"

#include <sys/prctl.h>

void WakePromptly() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}
