#pragma once

#include "chip.h"

#include <string>
#include <vector>

namespace boardsim {

struct ChipInfoResult {
    bool ok = false;
    std::string error;
    ChipConfig config;
};

// Finds the record of a chip by name in the lines of a chip configuration file
// (KEY=value lines, case and blanks free) and takes the sizes, core type, erased
// configuration words, calibration word and device ID from it.
ChipInfoResult FindChipInfo(const std::vector<std::string>& lines, const std::string& name);

} // namespace boardsim
