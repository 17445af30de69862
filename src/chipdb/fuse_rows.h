#pragma once

#include <array>
#include <string>
#include <vector>

// One row of the fuse editor: a fuse list's label and its options, each item
// "option name" + 40 blanks + "option value" (4 hex digits as written in the
// chip file). A row is in use (and shown) when it has items.
struct FuseRow {
    std::string label;
    std::vector<std::string> items;
    int selected = -1; // item index, -1 when nothing is selected

    bool InUse() const { return !items.empty(); }
};

// Rows 1..30 of the fuse editor; index 0 is unused.
using FuseRows = std::array<FuseRow, 31>;
