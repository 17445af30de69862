// The memory image's commands on the main window: reset and the save question.
#include "app/fuse_edit_fm.h"
#include "app/proj_fm.h"
#include "fuses/id_text.h"
#include "image/reset_code_memory.h"
#include "platform/translate.h"

namespace {
constexpr const char* kDataChanged = N_("Data file has changed. Do you wish to save it?");
} // namespace

void TProjFm::ResetCodeMemory(bool keepData, bool keepFileName, bool fillBlank) {
    ResetImage(Image, Chip, keepData, keepFileName, fillBlank, ProgramDir);
    FuseEditFM->SelectFirstOptions();
    const int idLength = Chip.IdTextLength();
    FuseEditFM->SetIDMaxLength(idLength);
    FuseEditFM->SetIDText(BlankIDText(idLength));
    CodeLines.clear();
    BlankListing();
    SetCaption("");
}

bool TProjFm::FileSaveQuery(bool withCancel) {
    if (!Image.DataChanged)
        return true;
    dialogs().Beep();
    Dialogs::Answer a = withCancel ? dialogs().QuestionYesNoCancel(kDataChanged)
                                   : dialogs().QuestionYesNo(kDataChanged);
    if (a == Dialogs::Answer::Cancel)
        return false;
    if (a == Dialogs::Answer::Yes)
        SaveButtClick();
    return true;
}
