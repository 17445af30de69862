#pragma once

#include <filesystem>
#include <string>

namespace boardsim {

// The little the simulator needs of the system besides sockets; one file per
// platform.

// The folder the program's executable is in (no separator at the end); "."
// when the system cannot say.
std::string ProgramFolder();

// Paced answers are due a fraction of a millisecond apart: the calling
// thread's waits end on time, not a timer's slack later.
void WakePromptly();

// The file a UTF-8 name stands for (Windows reads a narrow name in another
// code page).
std::filesystem::path FilePath(const std::string& utf8);

} // namespace boardsim
