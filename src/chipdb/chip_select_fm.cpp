// Loading the chip list, choosing a chip and drawing its socket.
#include "app/proj_fm.h"
#include "ui/image_canvas.h"

#include <QComboBox>
#include <QLabel>

bool TProjFm::CheckAndLoadChipData() {
    return false;
}

void TProjFm::ChipSelectChange() {}
void TProjFm::PreSelectChip() {}
void TProjFm::SelectTheChip() {}

int TProjFm::FindChipCBText(const std::string& name) const {
    for (int i = 0; i < ChipSelect->count(); ++i)
        if (ChipSelect->itemText(i).toStdString() == name)
            return i;
    return -1;
}

void TProjFm::DrawTheSocket() {
    DrawBlankSocket();
}

void TProjFm::DrawBlankSocket() {
    SocketImage->canvas.fill(Qt::black);
    SocketImage->update();
}

bool TProjFm::CheckSoundAvailable() {
    return false;
}

void TProjFm::PlayClick() {}
