#pragma once

// The board's own chip, the one an upgrade programs (a name of the chip list).
inline constexpr const char* kUpgradeChip = "16F628";
