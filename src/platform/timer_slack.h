#pragma once

// A board answers a byte time (half a millisecond at 19200 baud) after the
// last word: waits of the thread that serves its port must end then, not a
// timer's slack later. Linux: this thread's timer slack down to 1 µs;
// Windows: the system timer's period down to 1 ms for the process.
void WakePromptly();
