#pragma once

// Texts the command-line program shows from more than one place. Texts shown
// from one place stand where they are shown.

// The start of the command-line program's own lines on standard error.
inline constexpr const char* kMe = "tessaro-cli: ";
inline constexpr const char* kCannotWriteLog = "cannot write the log ";
// A Ctrl-C while an operation runs: the engine is told to cancel.
inline constexpr const char* kInterruptedCancelling = "interrupted: cancelling";
// Followed by the list file's name.
inline constexpr const char* kSerialList = "the serial list ";
