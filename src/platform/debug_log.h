#pragma once

#include <string>

// Debug output on standard error, chosen by the environment variable
// TESSARO_DEBUG: a list of category names separated by commas or blanks
// (TESSARO_DEBUG=link,ui). Off by default.
bool DebugCategoryOn(const char* category);

// One line "category: text" on standard error when the category is on; a line
// break in the text is written as \r so each line stays one.
void LogLine(const char* category, const std::string& text);

// What the user is shown, as it happens, for scripts and tests that run the
// program without looking at it (category "ui"): one line per text the status
// line takes ("ui: status: Ready") and per message box ("ui: error: ...").
// A line break in the text is written as \r so each report stays one line.
void LogUi(const char* what, const std::string& text);
