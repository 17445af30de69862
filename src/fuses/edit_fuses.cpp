#include "fuses/edit_fuses.h"

#include "fuses/fuse_messages.h"

void EditFuses(Dialogs& dialogs, bool chipSelected, const ChipRecord& chip, FuseWords& fuseValue,
               FuseChooser& chooser) {
    if (!chipSelected) {
        dialogs.Information(SelectChipText);
        return;
    }
    const FuseWords savedWords = fuseValue;
    const std::string savedID = chooser.IDText();
    if (chooser.RunModal()) {
        fuseValue = CreateFuseValueFromFuseEdits(chooser.ReadFuseRows(), chip);
        return;
    }
    fuseValue = savedWords;
    chooser.SetIDText(savedID);
    FuseRows rows = chooser.ReadFuseRows();
    UpdateFusesForCore(rows, chip, fuseValue);
    chooser.ApplySelections(rows);
}
