#include "test_platform.h"

#include "platform/win_text.h"

#include <windows.h>

namespace testplatform {

const bool kWindows = true;
const char* const kConfigVariable = "APPDATA";
const char* const kConfigSubfolder = "\\Tessaro\\";
const char* const kWindowPlatform = "windows";

// The C runtime's copy of the environment is what getenv reads.
void SetEnv(const std::string& name, const std::string& value) {
    _wputenv_s(Wide(name).c_str(), Wide(value).c_str());
}

void UnsetEnv(const std::string& name) {
    _wputenv_s(Wide(name).c_str(), L"");
}

bool ReadOnlyFoldersStopThisProgram() {
    return false;
}

// The console's Ctrl-C goes to every process attached to it: this program
// needs a console (a child of the tests has one, see ChildProcess).
void InterruptThisProgram() {
    GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
}

} // namespace testplatform
