#pragma once

#include "chipdb/fuse_rows.h"

#include <string>
#include <utility>
#include <vector>

// A row set like a 14-bit 40-pin flash chip's, as the chip record fills it.
inline FuseRow FuseWindowRow(const std::string& label,
                             const std::vector<std::pair<std::string, std::string>>& options) {
    FuseRow row;
    row.label = label;
    for (const auto& [name, value] : options)
        row.items.push_back(name + std::string(40, ' ') + value);
    row.selected = 0;
    return row;
}

inline FuseRows Flash40PinRows() {
    FuseRows rows;
    rows[1] = FuseWindowRow("Oscillator",
                            {{"RC", "3FFF"}, {"HS", "3FFE"}, {"XT", "3FFD"}, {"LP", "3FFC"}});
    rows[2] = FuseWindowRow("Watchdog Timer", {{"Enabled", "3FFF"}, {"Disabled", "3FFB"}});
    rows[3] = FuseWindowRow("Power Up Timer", {{"Disabled", "3FFF"}, {"Enabled", "3FF7"}});
    rows[4] = FuseWindowRow("Brown Out Detect", {{"Enabled", "3FFF"}, {"Disabled", "3FBF"}});
    rows[5] = FuseWindowRow("Low Voltage Program", {{"Enabled", "3FFF"}, {"Disabled", "3F7F"}});
    rows[6] = FuseWindowRow("Data EE Read Protect", {{"Disabled", "3FFF"}, {"Enabled", "3EFF"}});
    rows[7] = FuseWindowRow("Flash Program Write", {{"Enabled", "3FFF"},
                                                    {"0000 to 00FF Protected", "3DFF"},
                                                    {"0000 to 07FF Protected", "3BFF"},
                                                    {"0000 to 0FFF Protected", "39FF"}});
    rows[8] = FuseWindowRow("Background Debug", {{"Disabled", "3FFF"}, {"Enabled", "37FF"}});
    rows[9] = FuseWindowRow("Code Protect", {{"Disabled", "3FFF"}, {"Enabled", "1FFF"}});
    return rows;
}
