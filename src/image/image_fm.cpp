// The memory image's commands on the main window: reset and the save question.
#include "app/proj_fm.h"
#include "image/reset_code_memory.h"
#include "ui/image_canvas.h"

namespace {
constexpr const char* kDataChanged = "Data file has changed. Do you wish to save it?";
} // namespace

void TProjFm::ResetCodeMemory(bool keepData, bool keepFileName, bool fillBlank) {
    ResetImage(Image, FuseEdits, Chip, keepData, keepFileName, fillBlank, ProgramDir);
    CodeLines.clear();
    CodeImage->canvas.fill(Qt::white);
    CodeImage->update();
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
