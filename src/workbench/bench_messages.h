#pragma once

#include "platform/translate.h"

// Texts the workbench shows from more than one place. Texts shown from one
// place stand where they are shown.

// The board's own chip, the one an upgrade programs (a name of the chip list).
inline constexpr const char* kUpgradeChip = "16F628";
// An upgrade image that is not there or does not load.
inline constexpr const char* kUpgradeFileError = N_("Error: Corrupt or missing upgrade file");

// The board's port went away with its device (the status while it is gone).
inline constexpr const char* kBoardUnplugged = N_("Board unplugged");
