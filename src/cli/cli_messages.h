#pragma once

#include "platform/translate.h"

#include <string>
#include <string_view>

// Texts the command-line program shows from more than one place. Texts shown
// from one place stand where they are shown.

// The start of the command-line program's own lines on standard error.
inline constexpr const char* kMe = "tessaro-cli: ";
inline constexpr const char* kMeLine = N_("tessaro-cli: %1");
inline constexpr const char* kCannotWriteLog = N_("cannot write the log %1");
// What became of an operation the program would not start (exit code kExitInput).
inline constexpr const char* kRefused = N_("refused");
// A Ctrl-C while an operation runs: the engine is told to cancel.
inline constexpr const char* kCountTakes = N_("--count takes a number of chips, not %1");
inline constexpr const char* kNeedsValue = N_("%1 needs a value");
inline constexpr const char* kUnknownOption = N_("unknown option %1");
inline constexpr const char* kInterruptedCancelling = N_("interrupted: cancelling");

// The checksum the chip maker's tools show, of a file, or of the image of a result.
inline constexpr const char* kChecksumLine = N_("checksum: %1");

// A line of the program's own: "tessaro-cli: " and the text `pattern` makes
// with its parts. It is translated where it is shown, as a whole.
template <class... Parts> std::string MeSays(std::string_view pattern, const Parts&... parts) {
    return Arg(kMeLine, Arg(pattern, parts...));
}
