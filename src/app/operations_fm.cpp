// The chip operations started from the main window. The workbench checks what
// each needs and runs it; the window passes the click on with its options.
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"

#include <QAction>
#include <QRadioButton>

OperationOptions TProjFm::Options() const {
    OperationOptions options;
    options.icsp = ICSPMode1->isChecked();
    options.ignoreBlankCheck = IgnoreBlankCheck1->isChecked();
    return options;
}

void TProjFm::ProgButtClick() {
    Bench_->Program(Options());
}

void TProjFm::ReadButtClick() {
    Bench_->Read(Options());
}

void TProjFm::VerfButtClick() {
    Bench_->Verify(Options());
}

void TProjFm::BlankButtClick() {
    // A flash chip can be erased instead: the erase dialog asks, set to Erase Check.
    EraseChoice choice = EraseChoice::Check;
    if (Bench_->ChipSelected() && Bench_->Chip().FlashChip) {
        EraseFm->EraseCheck->setChecked(true);
        if (EraseFm->exec() != QDialog::Accepted)
            return;
        if (EraseFm->EraseChip->isChecked())
            choice = EraseChoice::Erase;
    }
    Bench_->BlankCheck(choice, Options());
}

void TProjFm::ReadChipID1Click() {
    Bench_->ReadChipInfo(Options());
}

void TProjFm::CanButtClick() {
    Bench_->Cancel();
}

void TProjFm::ReadCalibrationAndBG() {
    Bench_->ReadCalibration(Options());
}
