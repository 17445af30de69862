// Loading the chip list, choosing a chip and drawing its socket.
#include "app/proj_fm.h"
#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"
#include "platform/translate.h"
#include "protocol/engine_texts.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

void TProjFm::ChipSelectChange() {
    Bench_->ChooseChip(ChipSelect->currentIndex(), {.askToSave = true});
    SetStatus(kReady);
}

void TProjFm::ShowChipList() {
    const std::vector<std::string>& names = Bench_->ChipNames();
    bool same = ChipSelect->count() == static_cast<int>(names.size());
    for (int i = 0; same && i < ChipSelect->count(); ++i)
        same = ChipSelect->itemText(i).toStdString() == names[static_cast<std::size_t>(i)];
    if (!same) {
        ChipSelect->clear();
        for (const std::string& name : names)
            ChipSelect->addItem(
                QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    ChipSelect->setCurrentIndex(Bench_->ChipPosition());
}

void TProjFm::DrawTheSocket() {
    const bool chosen = Bench_->ChipSelected();
    const SocketView view = ChooseSocketView(chosen, Bench_->Chip().SocketLayout, Bench_->Style(),
                                             ICSPMode1->isChecked());
    if (!chosen) {
        DrawBlankSocket();
    } else {
        SocketImage->canvas.fill(Qt::black);
        ShownSocketPicture.clear();
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
    // Already there (the window shows it from its creation until the start-up
    // draws it again): pasting it once more would change no pixel.
    if (ShownSocketPicture == kBlankSocketPicture)
        return;
    PasteThePicture(kBlankSocketPicture, 0, 0);
    SocketImage->update();
}

void TProjFm::PasteThePicture(const std::string& name, int x, int y) {
    SocketImage->Paste(LoadSocketPicture(name, SocketImage->canvas.devicePixelRatio()),
                       QPoint(x, y));
    ShownSocketPicture = name;
}

// The same picture on a canvas made anew, without the click of a new selection.
void TProjFm::RepaintSocket() {
    SocketImage->canvas.fill(Qt::black);
    if (!ShownSocketPicture.empty())
        PasteThePicture(ShownSocketPicture, 0, 0);
    SocketImage->update();
}

bool TProjFm::CheckSoundAvailable() {
    return Env.sound->Available();
}

void TProjFm::PlayClick() {
    if (SoundAvailable)
        Env.sound->PlayClick();
}
