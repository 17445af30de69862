#pragma once

#include "platform/translate.h"

// Texts the workbench shows from more than one place. Texts shown from one
// place stand where they are shown.

// The board's port went away with its device (the status while it is gone).
inline constexpr const char* kBoardUnplugged = N_("Board unplugged");
