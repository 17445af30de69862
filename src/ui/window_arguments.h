#pragma once

#include <string>
#include <vector>

// The window's command-line arguments as UTF-8, once the toolkit has taken its
// own options (-style, -platform, ...) out. Linux: argv as it is then.
// Windows: argv is in the ANSI code page there (a file from a folder "Müller"
// would name another file), so the toolkit's wide reading of the command line
// is used instead. One file per platform; call after QApplication is made.
std::vector<std::string> WindowArguments(int argc, char** argv);
