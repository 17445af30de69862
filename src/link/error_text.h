#pragma once

#include <string>

// The system's words for a port's error code (an errno value), without
// trailing blanks and full stops: "No such file or directory". Where the C
// runtime has no words for a code (Windows's knows none of the network ones),
// the usual POSIX words stand in.
std::string PortErrorText(int code);
