#include "fuses/fuse_butt.h"

#include "fuses/fuse_messages.h"

void FuseButtClick(Dialogs& dialogs, bool chipSelected, const ChipRecord& chip,
                   FuseWords& fuseValue, FuseEditor& editor) {
    if (!chipSelected) {
        dialogs.Information(SelectChipText);
        return;
    }
    const FuseWords savedWords = fuseValue;
    const std::string savedID = editor.IDText();
    if (editor.RunModal()) {
        fuseValue = CreateFuseValueFromFuseEdits(editor.ReadFuseRows(), chip);
        return;
    }
    fuseValue = savedWords;
    editor.SetIDText(savedID);
    FuseRows rows = editor.ReadFuseRows();
    UpdateFusesForCore(rows, chip, fuseValue);
    editor.ApplySelections(rows);
}
