#pragma once

#include "protocol/engine_messages.h"

// Texts shown by more than one subsystem of the main window.
inline constexpr const char* kPortHint = "Double click to change port";
inline constexpr const char* kNoPort = "COM x";
