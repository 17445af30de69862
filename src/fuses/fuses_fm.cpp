// The fuse editor and calibration commands of the main window.
#include "app/proj_fm.h"
#include "fuses/fuse_butt.h"
#include "fuses/fuse_edit_fm.h"

void TProjFm::FuseButtClick() {
    ::FuseButtClick(dialogs(), ChipSelected(), Chip, Image.FuseValue, *FuseEditFM);
}

void TProjFm::OscalButtClick() {}
