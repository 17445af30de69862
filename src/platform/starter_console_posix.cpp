#include "platform/starter_console.h"

#include <cstdio>

void PrintForStarter(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}
