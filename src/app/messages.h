#pragma once

#include "platform/translate.h"
#include "protocol/engine_texts.h"

// Texts shown by more than one subsystem of the main window.
inline constexpr const char* kPortHint = N_("Double click to change port");
inline constexpr const char* kNoPort = "COM x";
inline constexpr const char* kSerialOffCaption = N_("Serial &Off");
// Hints of the buttons the main window and its fly window (or the calibration
// dialog) both have.
inline constexpr const char* kProgramChipHint = N_("Program chip");
inline constexpr const char* kVerifyChipHint = N_("Verify chip");
inline constexpr const char* kReadChipHint = N_("Read chip");
