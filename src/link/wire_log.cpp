#include "link/wire_log.h"
#include "platform/debug_log.h"

#include <cstdio>
#include <string>

bool WireLogEnabled() {
    static const bool enabled = DebugCategoryOn("link");
    return enabled;
}

void LogWire(const char* direction, const uint8_t* bytes, size_t count) {
    if (!WireLogEnabled() || count == 0)
        return;
    static const char digits[] = "0123456789ABCDEF";
    std::string line = std::string("link: ") + direction;
    for (size_t i = 0; i < count; ++i) {
        line.push_back(' ');
        line.push_back(digits[bytes[i] >> 4]);
        line.push_back(digits[bytes[i] & 0x0F]);
    }
    line.push_back('\n');
    std::fputs(line.c_str(), stderr);
}
