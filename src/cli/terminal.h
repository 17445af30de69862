#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What tessaro-cli needs of the terminal it runs in; one file per platform.

// The arguments as UTF-8 text (Windows hands main() its narrow code page).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Readies standard output and error for UTF-8 text and, on a terminal, for
// the cursor movements of the boards view. True when standard error is a
// terminal that takes them.
bool PrepareTerminal();

// The width of the terminal standard error is shown in; 0 when unknown.
std::size_t TerminalColumns();
