// The chip operations started from the main window. The engine checks what
// each needs and runs it; the window only passes the click on.
#include "app/proj_fm.h"

void TProjFm::ProgButtClick() {
    Engine->Program();
}

void TProjFm::ReadButtClick() {
    Engine->Read();
}

void TProjFm::VerfButtClick() {
    Engine->Verify();
}

void TProjFm::BlankButtClick() {
    Engine->BlankCheck();
}

void TProjFm::ReadChipID1Click() {
    Engine->ReadChipInfo();
}

void TProjFm::CanButtClick() {
    Engine->Cancel();
}

void TProjFm::ReadCalibrationAndBG() {
    Engine->ReadCalibration();
}
