#pragma once

#include <string>
#include <vector>

// Chip records for the chip database tests.

// The 17 key lines of a 14-bit flash chip (core type 5), as a user might type them.
inline std::vector<std::string> KeyLines(const std::string& name = "16F84A",
                                         const std::string& include = "Y") {
    return {"CHIPNAME=" + name, "INCLUDE=" + include, "SOCKETIMAGE=2",
            "ERASEMODE=1",      "FLASHCHIP=Y",        "POWERSEQUENCE=VCCVPP1",
            "PROGRAMDELAY=50",  "PROGRAMTRIES=1",     "OVERPROGRAM=0",
            "CORETYPE=5",       "ROMSIZE=0400",       "EEPROMSIZE=0040",
            "FUSEBLANK=3FFF",   "CPWARN=N",           "CALWORD=N",
            "BANDGAP=N",        "CHIPID=0560"};
}

// A whole record: key lines, the given LIST lines and an empty separator.
inline std::vector<std::string> Record(const std::string& name = "16F84A",
                                       const std::vector<std::string>& lists = {},
                                       const std::string& include = "Y") {
    std::vector<std::string> lines = KeyLines(name, include);
    lines.insert(lines.end(), lists.begin(), lists.end());
    lines.push_back("");
    return lines;
}

inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}
