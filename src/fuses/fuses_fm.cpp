// The fuse editor and calibration commands of the main window.
#include "app/proj_fm.h"

void TProjFm::FuseButtClick() {}
void TProjFm::OscalButtClick() {}
