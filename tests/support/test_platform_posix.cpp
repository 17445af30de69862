#include "test_platform.h"

#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace testplatform {

const bool kWindows = false;
const char* const kConfigVariable = "XDG_CONFIG_HOME";
const char* const kConfigSubfolder = "/tessaro/";
const char* const kWindowPlatform = "offscreen";

void SetEnv(const std::string& name, const std::string& value) {
    ::setenv(name.c_str(), value.c_str(), 1);
}

void UnsetEnv(const std::string& name) {
    ::unsetenv(name.c_str());
}

bool ReadOnlyFoldersStopThisProgram() {
    return ::geteuid() != 0;
}

void InterruptThisProgram() {
    ::kill(::getpid(), SIGINT);
}

} // namespace testplatform
