#pragma once

#include "chipdb/chip_record.h"
#include "fuses/fuse_editor.h"
#include "fuses/fuse_values.h"
#include "platform/dialogs.h"

// The main window's Fuses button: opens the fuse editor for the selected chip.
// OK composes the configuration words from the chosen options; Cancel puts the
// words and the ID back and moves the options back in line with the words.
void FuseButtClick(Dialogs& dialogs, bool chipSelected, const ChipRecord& chip,
                   FuseWords& fuseValue, FuseEditor& editor);
