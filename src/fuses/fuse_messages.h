#pragma once

// Shown when a command needs a chip type and none is selected (the Fuses
// button, the ICSP command).
inline constexpr const char* SelectChipText = "Please select a chip";
