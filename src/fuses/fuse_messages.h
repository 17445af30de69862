#pragma once

#include "platform/translate.h"

// Shown when a command needs a chip type and none is selected (the Fuses
// button, the ICSP command).
inline constexpr const char* SelectChipText = N_("Please select a chip");
