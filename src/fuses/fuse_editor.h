#pragma once

#include "chipdb/fuse_rows.h"

#include <string>

// What the Fuses button needs of the fuse editor: its rows, its ID text and a
// modal run. The dialog implements it; tests can stand in for it.
class FuseEditor {
public:
    virtual ~FuseEditor() = default;
    // Labels, items and current selections of rows 1..30.
    virtual FuseRows ReadFuseRows() const = 0;
    // Moves the selections to those of the given rows (labels and items stay).
    virtual void ApplySelections(const FuseRows& rows) = 0;
    virtual std::string IDText() const = 0;
    virtual void SetIDText(const std::string& text) = 0;
    // Shows the editor modally; true when the user closed it with OK.
    virtual bool RunModal() = 0;
};
