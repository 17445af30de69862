#include "sim_system.h"

#include <sys/prctl.h>
#include <unistd.h>

namespace boardsim {

std::string ProgramFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string text(path, static_cast<std::size_t>(n));
    const std::size_t slash = text.rfind('/');
    return slash == std::string::npos ? "." : text.substr(0, slash);
}

void WakePromptly() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

std::filesystem::path FilePath(const std::string& utf8) {
    return utf8;
}

} // namespace boardsim
