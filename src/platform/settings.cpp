#include "platform/settings.h"

#include <charconv>

int ParseSettingsNumber(const std::string& text, int fallback) {
    // The text must be a whole decimal integer, optionally signed; blanks
    // around it are tolerated as a hand-edited file may carry them.
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos)
        return fallback;
    std::string t = text.substr(b, e - b + 1);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (*first == '+')
        ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last)
        return fallback;
    return value;
}

Settings ParseSettings(const std::vector<std::string>& lines, const std::string& programDir) {
    Settings s;
    s.hexFileName = programDir;
    if (lines.size() != 8)
        return s;
    s.fromFile = true;
    s.port = ParseSettingsNumber(lines[0], -1);
    s.hexFileName = lines[1];
    s.chipCount = ParseSettingsNumber(lines[2], -1);
    s.chipIndex = ParseSettingsNumber(lines[3], -1);
    s.chipName = lines[4];
    s.adviseNewerFileLoad = lines[5] == "T";
    s.restoreUserMode = lines[6] == "T";
    s.programmerStyle = ParseSettingsNumber(lines[7], kBirchAStyle);
    return s;
}

std::vector<std::string> FormatSettings(const Settings& s) {
    return {std::to_string(s.port),
            s.hexFileName,
            std::to_string(s.chipCount),
            std::to_string(s.chipIndex),
            s.chipName,
            s.adviseNewerFileLoad ? "T" : "F",
            s.restoreUserMode ? "T" : "F",
            std::to_string(s.programmerStyle)};
}
