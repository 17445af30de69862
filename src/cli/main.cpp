// tessaro-cli: the programmer from the command line, for scripts and
// production benches. The same engine as the window, through a console host.
#include "cli/cli.h"
#include "platform/translate.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
// The program folder: where the executable is, so that chipinfo.cid and
// ports/ are found as the window finds them.
std::string ProgramFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    const std::string text(path, static_cast<std::size_t>(n));
    return text.substr(0, text.rfind('/') + 1);
}
} // namespace

int main(int argc, char** argv) {
    // The user's language, as the locale asks (LANG=de_DE.UTF-8: German).
    SetTextLookup(BuiltInLookup(LanguageFromEnvironment(std::getenv)));
    CliEnvironment env;
    env.programDir = ProgramFolder();
    env.out = &std::cout;
    env.err = &std::cerr;
    env.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    env.sleep = RealSleeper();
    return RunCli(std::vector<std::string>(argv + 1, argv + argc), env);
}
