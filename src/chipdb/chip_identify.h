#pragma once

#include "chipdb/chip_record.h"

#include <string>
#include <vector>

// The chip of a checked ChipData that reports `deviceId`, among the chips of
// the selected chip's core width (12, 14 or 16 bits): the board has read the
// ID with the selected chip's programming entry, which only a chip of the same
// core answers in kind, so the ID names nothing of another core. Chips without
// an ID (0xFFFF) are never named; neither is the selected chip itself. Empty
// when no such chip has the ID.
std::string ChipWithDeviceId(const std::vector<std::string>& chipData, const ChipRecord& selected,
                             int deviceId);
