#pragma once

#include "chipdb/fuse_rows.h"

#include <string>

// Where the user chooses the fuse options and the ID: its rows, its ID text
// and a modal run. The window's fuse dialog is one; tests stand in for it.
class FuseChooser {
public:
    virtual ~FuseChooser() = default;
    // Labels, items and current selections of rows 1..30.
    virtual FuseRows ReadFuseRows() const = 0;
    // Moves the selections to those of the given rows (labels and items stay).
    virtual void ApplySelections(const FuseRows& rows) = 0;
    virtual std::string IDText() const = 0;
    virtual void SetIDText(const std::string& text) = 0;
    // Shows the editor modally; true when the user closed it with OK.
    virtual bool RunModal() = 0;
};
