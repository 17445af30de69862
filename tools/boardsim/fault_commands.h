#pragma once

#include "faults.h"

#include <string>
#include <vector>

namespace boardsim {

// Applies a fault given as words, for example {"answer", "ReadConfig", "?E?P"} or
// {"split", "5,20,7"}. False and a reason when the words make no fault.
bool ApplyFaultCommand(Faults& faults, const std::vector<std::string>& words, std::string& error);

// The fault words understood, one per line, for help texts.
const char* FaultCommandHelp();

// Splits a line into blank-separated words.
std::vector<std::string> SplitWords(const std::string& line);
// An integer in decimal or 0x hex; false when the text is not one.
bool ParseNumber(const std::string& text, long& value);

} // namespace boardsim
