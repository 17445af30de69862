#pragma once

#include <string>

// The folder the running program's executable is in, ending in a separator,
// so that its own files (chipinfo.cid, ports/) are found beside it whatever
// the current folder is; "./" when the system cannot say.
std::string ProgramFolder();
