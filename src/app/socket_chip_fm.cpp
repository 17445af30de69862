// The chip in the socket is another chip of the list than the one selected:
// after the user declined to go on with the wrong one, the window offers to
// select the right one and run the operation again.
#include "app/proj_fm.h"
#include "platform/translate.h"

#include <QAction>
#include <QComboBox>

#include <functional>

void TProjFm::ChooseChip(int position) {
    ChipSelect->setCurrentIndex(position);
    SelectTheChip();
    ResetCodeMemory(false, false, false);
}

void TProjFm::OfferSocketChip(const OperationReport& report) {
    const std::string& name = report.details.socketChip;
    const int position = FindChipCBText(name);
    // User mode keeps its chip: its image is no chip's.
    if (position < 0 || User1->isChecked())
        return;
    std::function<void()> again;
    switch (report.operation) {
    case Operation::Program:
        again = [this] { ProgButtClick(); };
        break;
    case Operation::Verify:
        again = [this] { VerfButtClick(); };
        break;
    case Operation::Read:
        again = [this] { ReadButtClick(); };
        break;
    case Operation::BlankCheck:
    case Operation::Erase: {
        const EraseChoice choice =
            report.operation == Operation::Erase ? EraseChoice::Erase : EraseChoice::Check;
        again = [this, choice] { Engine->BlankCheck(choice, Options()); };
        break;
    }
    case Operation::ReadChipInfo:
        again = [this] { ReadChipID1Click(); };
        break;
    default:
        return; // the calibration dialog's read, the automatic loop: no offer
    }
    if (dialogs().QuestionYesNo(Arg(N_("Select the [%1] and try again?"), name)) !=
        Dialogs::Answer::Yes)
        return;
    // The image is made anew for the other chip: what the user changed is
    // offered for saving first, and the file is loaded again for it.
    if (!FileSaveQuery(true))
        return;
    const std::string file = Image.HexFileName;
    const bool fromFile = Image.HexFileDate > 0;
    ChooseChip(position);
    if (fromFile && !DoLoadProcedure(false, false, file))
        return;
    again();
}
