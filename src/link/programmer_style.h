#pragma once

#include "platform/style_numbers.h"

#include <string>

// The five programmer board models. Any style number outside 0..3 behaves as Elm.
struct ProgrammerStyleInfo {
    int style;               // 0 Alder, 1 Birch_A, 2 Birch_B, 3 Cedar, 4 Elm
    const char* itemCaption; // File > Programmer Style item
    const char* itemName;    // objectName of that item
    const char* messageName; // name in messages
    char greetingModel;      // second byte of the board's greeting
    const char* caption;     // fly window caption and start of ModelCaption
    int resetIdleLevel;      // DTR level while the board runs
    bool icspAvailable;      // Options > ICSP Mode enabled
    bool elmItems;           // the Elm-only items are visible
    const char* upgradeFile; // firmware upgrade image in the program folder
};

inline constexpr int StyleCount = 5;
inline constexpr const char* VersionText = "v030403 ";

// The row of a style number; every number outside 0..3 gives Elm's row.
const ProgrammerStyleInfo& StyleInfo(int style);

// The style a greeting's model byte names, or -1 for an unknown byte.
int StyleFromGreeting(char model);

// ModelCaption: the style's caption, a blank and the version text.
std::string ModelCaptionFor(int style);
