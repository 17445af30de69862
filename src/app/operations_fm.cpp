// The chip operations started from the main window. The engine checks what
// each needs and runs it; the window only passes the click on.
#include "app/proj_fm.h"

void TProjFm::ProgButtClick() {
    Engine->ProgButtClick();
}

void TProjFm::ReadButtClick() {
    Engine->ReadButtClick();
}

void TProjFm::VerfButtClick() {
    Engine->VerfButtClick();
}

void TProjFm::BlankButtClick() {
    Engine->BlankButtClick();
}

void TProjFm::ReadChipID1Click() {
    Engine->ReadChipID1Click();
}

void TProjFm::CanButtClick() {
    Engine->CanButtClick();
}

void TProjFm::ReadCalibrationAndBG() {
    Engine->ReadCalibrationAndBG();
}
