#pragma once

#include "platform/translate.h"

// Texts the engine shows from more than one place. Texts shown from one place
// stand where they are shown.
inline constexpr const char* kReady = N_("Ready");
inline constexpr const char* kErrorStatus = N_("Error...");
inline constexpr const char* kVerifyResult = N_("Verify result...");
inline constexpr const char* kVerifyingEeprom = N_("Verifying EEPROM...");
inline constexpr const char* kErasing = N_("Erasing...");
inline constexpr const char* kNothingToProgram = N_("Nothing to program");
// A difference found by Verify: where, then the image's value and the chip's.
inline constexpr const char* kDifference = N_("%1\r\rGood 0x%2\rBad 0x%3");
// A failure after which the board is reset.
inline constexpr const char* kAboutToReset = N_("%1\rAbout to apply reset...");
// Program and Verify refuse an image shorter than the chip (a Read that was cut
// off leaves none, but a short image must never be sent or compared as whole).
inline constexpr const char* kImageIncomplete =
    N_("The memory image does not hold the whole chip.\r\rLoad a file or read the chip again.");
