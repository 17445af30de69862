#pragma once

#include "chipdb/fuse_rows.h"

#include <string>
#include <utility>
#include <vector>

// Fuse rows as the chip record fills them: name + 40 blanks + value as written.
inline std::string FuseItem(const std::string& name, const std::string& value) {
    return name + std::string(40, ' ') + value;
}

inline FuseRow MakeFuseRow(const std::string& label,
                           const std::vector<std::pair<std::string, std::string>>& options,
                           int selected = 0) {
    FuseRow row;
    row.label = label;
    for (const auto& [name, value] : options)
        row.items.push_back(FuseItem(name, value));
    row.selected = selected;
    return row;
}
