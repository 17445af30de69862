#include "platform/debug_log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool DebugCategoryOn(const char* category) {
    const char* value = std::getenv("TESSARO_DEBUG");
    if (value == nullptr)
        return false;
    const std::size_t length = std::strlen(category);
    const char* separators = ", \t";
    for (const char* p = value; *p != '\0';) {
        const std::size_t word = std::strcspn(p, separators);
        if (word == length && std::strncmp(p, category, length) == 0)
            return true;
        p += word;
        p += std::strspn(p, separators);
    }
    return false;
}

namespace {
void WriteLine(const char* category, const std::string& text) {
    std::string line = std::string(category) + ": ";
    for (char c : text) {
        if (c == '\r')
            line += "\\r";
        else
            line.push_back(c);
    }
    line.push_back('\n');
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}
} // namespace

void LogLine(const char* category, const std::string& text) {
    if (DebugCategoryOn(category))
        WriteLine(category, text);
}

void LogUi(const char* what, const std::string& text) {
    static const bool enabled = DebugCategoryOn("ui");
    if (enabled)
        WriteLine("ui", std::string(what) + ": " + text);
}
