// The chip operations started from the main window.
#include "app/proj_fm.h"

void TProjFm::ProgButtClick() {}
void TProjFm::ReadButtClick() {}
void TProjFm::VerfButtClick() {}
void TProjFm::BlankButtClick() {}
void TProjFm::ReadChipID1Click() {}
void TProjFm::CanButtClick() {}
