#include "cli/terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

bool PrepareTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

std::size_t TerminalColumns() {
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}
