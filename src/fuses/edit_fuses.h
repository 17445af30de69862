#pragma once

#include "chipdb/chip_record.h"
#include "fuses/fuse_chooser.h"
#include "fuses/fuse_values.h"
#include "platform/dialogs.h"

// The user edits the fuse options and the ID of the selected chip in the
// chooser. OK composes the configuration words from the chosen options; Cancel puts the
// words and the ID back and moves the options back in line with the words.
void EditFuses(Dialogs& dialogs, bool chipSelected, const ChipRecord& chip, FuseWords& fuseValue,
               FuseChooser& chooser);
