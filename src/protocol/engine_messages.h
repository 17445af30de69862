#pragma once

// Texts the engine shows from more than one place. Texts shown from one place
// stand where they are shown.
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kErrorStatus = "Error...";
inline constexpr const char* kVerifyResult = "Verify result...";
inline constexpr const char* kVerifyingEeprom = "Verifying EEPROM...";
inline constexpr const char* kErasing = "Erasing...";
inline constexpr const char* kNothingToProgram = "Nothing to program";
inline constexpr const char* kGood = "\r\rGood 0x";
inline constexpr const char* kBad = "\rBad 0x";
inline constexpr const char* kAboutToReset = "\rAbout to apply reset...";
// Program and Verify refuse an image shorter than the chip (a Read that was cut
// off leaves none, but a short image must never be sent or compared as whole).
inline constexpr const char* kImageIncomplete =
    "The memory image does not hold the whole chip.\r\rLoad a file or read the chip again.";
