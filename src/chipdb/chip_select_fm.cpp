// Loading the chip list, choosing a chip and drawing its socket.
#include "app/proj_fm.h"
#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QPainter>

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
    const SocketView view = ChooseSocketView(ChipSelected(), Chip.SocketLayout, ProgrammerStyle,
                                             ICSPMode1->isChecked());
    if (!ChipSelected()) {
        DrawBlankSocket();
    } else {
        SocketImage->canvas.fill(Qt::black);
        if (view.PlayClick)
            PlayClick();
        if (!view.Picture.empty())
            PasteThePicture(view.Picture, 0, 0);
        SocketImage->update();
    }
    PCBlabel->setText(QString::fromStdString(view.PCBlabelText));
    PCBlabel->setVisible(view.PCBlabelVisible);
}

void TProjFm::DrawBlankSocket() {
    PasteThePicture(kBlankSocketPicture, 0, 0);
    SocketImage->update();
}

void TProjFm::PasteThePicture(const std::string& name, int x, int y) {
    QPainter p(&SocketImage->canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, LoadSocketPicture(name));
}

bool TProjFm::CheckSoundAvailable() {
    return Env.sound->Available();
}

void TProjFm::PlayClick() {
    if (SoundAvailable)
        Env.sound->PlayClick();
}
