#pragma once

#include <string>

// The ID text: one hex digit per ID location, 4 digits (8 on 16-bit cores),
// "F" being the blank digit.

// The blank ID: "FFFF" for a maximum length of 4, otherwise "FFFFFFFF".
std::string BlankIDText(int maxLength);

// Pads the ID text on the left with "F" up to the maximum length, so a
// shortened ID keeps its last digits in the last locations.
std::string PadIDLeft(const std::string& text, int maxLength);

// Pads the ID text on the right with "F" up to the maximum length (the fuse
// editor does this when it is shown, so the user sees every location).
std::string PadIDRight(const std::string& text, int maxLength);

// Key filter of the ID box: a typed character comes back upper-cased when it
// may be entered (hex digits, backspace, Enter) and as '\0' when it is dropped.
char IDKeyFilter(char key);
