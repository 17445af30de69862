#pragma once

#include "platform/style_numbers.h"

#include <string>
#include <vector>

// The settings file pro.dat: eight lines carrying the last session's state.
struct Settings {
    int port = -1;
    std::string hexFileName; // empty when the file gave none (caller applies ProgramDir)
    int chipCount = -1;
    int chipIndex = -1;
    std::string chipName;
    bool adviseNewerFileLoad = true; // stays as designed (checked) when the file gives none
    bool restoreUserMode = false;
    int programmerStyle = kBirchAStyle;
    bool fromFile = false; // true when a usable eight-line file was read
};

inline constexpr const char* SettingsFileName = "pro.dat";

// A decimal number in the settings file; unparsable text gives `fallback`.
int ParseSettingsNumber(const std::string& text, int fallback);

// Reads the settings from the file's lines. Any other count than eight lines
// gives all defaults. `programDir` is the default for the file name.
Settings ParseSettings(const std::vector<std::string>& lines, const std::string& programDir);

// The eight lines written at close.
std::vector<std::string> FormatSettings(const Settings& s);
