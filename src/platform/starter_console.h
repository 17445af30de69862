#pragma once

#include <string>

// What a window program answers on its command line (--help, --version) goes
// to the user who started it from a terminal or a Command Prompt. Linux:
// standard output. Windows: a window program has no console of its own, so
// the text goes to standard output where that was redirected to a file or a
// pipe, else to the console of the program that started it (AttachConsole).
// One file per platform.
void PrintForStarter(const std::string& utf8);
