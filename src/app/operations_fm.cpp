// The chip operations started from the main window. The engine checks what
// each needs and runs it; the window only passes the click on.
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"

#include <QRadioButton>

void TProjFm::ProgButtClick() {
    Engine->Program(Options());
}

void TProjFm::ReadButtClick() {
    Engine->Read(Options());
}

void TProjFm::VerfButtClick() {
    Engine->Verify(Options());
}

void TProjFm::BlankButtClick() {
    // A flash chip can be erased instead: the erase dialog asks, set to Erase Check.
    EraseChoice choice = EraseChoice::Check;
    if (ChipSelected() && Chip.FlashChip) {
        EraseFm->EraseCheck->setChecked(true);
        if (EraseFm->exec() != QDialog::Accepted)
            return;
        if (EraseFm->EraseChip->isChecked())
            choice = EraseChoice::Erase;
    }
    Engine->BlankCheck(choice, Options());
}

void TProjFm::ReadChipID1Click() {
    Engine->ReadChipInfo(Options());
}

void TProjFm::CanButtClick() {
    Engine->Cancel();
}

void TProjFm::ReadCalibrationAndBG() {
    Engine->ReadCalibration(Options());
}
