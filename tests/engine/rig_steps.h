#pragma once

// What the engine tests do with a chip in the rig's socket, as a user would.

#include "engine/engine_rig.h"

#include <gtest/gtest.h>

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

// Program, one-time parts answered Yes before their protection is burnt in.
inline void ProgramChip(EngineRig& rig) {
    if (rig.chip.CPWarn)
        rig.dialogs.answers = {Dialogs::Answer::Yes};
    rig.Connect();
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Done) << ::testing::PrintToString(rig.TakeTexts());
}

// Verify, which must find the chip as the image holds it.
inline void VerifyChip(EngineRig& rig) {
    rig.TakeTexts();
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), std::vector<std::string>{"Data verified"});
}
