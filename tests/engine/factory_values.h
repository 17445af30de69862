#pragma once

#include "boardsim.h"

// Factory values no file holds, so that a chip's own calibration shows:
// RETLW (MOVLW on 12-bit cores) 0x5C, and bandgap bits 10.
inline constexpr int kFactoryOscal = 0x5C;
inline constexpr int kFactoryBandGap = 0x2000;

inline void FactoryValues(boardsim::ChipConfig& c, bool bandGap) {
    if (c.hasCalWord)
        c.factoryCalibration =
            (c.core == boardsim::CoreClass::Core12 ? 0x0C00 : 0x3400) | kFactoryOscal;
    if (bandGap)
        c.fuseBlank[0] = static_cast<std::uint16_t>((c.fuseBlank[0] & ~0x3000) | kFactoryBandGap);
}
