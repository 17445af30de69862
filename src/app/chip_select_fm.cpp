// Loading the chip list, choosing a chip and drawing its socket.
#include "app/fuse_edit_fm.h"
#include "app/messages.h"
#include "app/proj_fm.h"
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"
#include "platform/text_file.h"
#include "platform/translate.h"
#include "ui/image_canvas.h"

#include <QAction>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

bool TProjFm::CheckAndLoadChipData() {
    ChipData.clear();
    std::vector<std::string> lines;
    if (std::optional<std::string> bytes = ReadWholeFile(ChipFileInUse(Places)))
        lines = SplitLines(*bytes);
    ChipFileLoadResult loaded = LoadChipFile(std::move(lines), Engine->Style());
    ChipData = std::move(loaded.ChipData);
    if (loaded.Loaded()) {
        ChipSelect->clear();
        for (const std::string& name : loaded.ChipNames)
            ChipSelect->addItem(
                QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        ChipSelect->setCurrentIndex(-1);
    } else {
        dialogs().Error(loaded.message);
    }
    Image.ROMData.clear();
    return loaded.Loaded();
}

void TProjFm::ChipSelectChange() {
    PreSelectChip();
    SetStatus(kReady);
}

void TProjFm::PreSelectChip() {
    FileSaveQuery(false);
    SelectTheChip();
    ResetCodeMemory(false, false, false);
}

void TProjFm::SelectTheChip() {
    const int position = ChipSelect->currentIndex();
    if (position < 0)
        return;
    FlyWindow1->setEnabled(true);
    FuseButt->setEnabled(true);
    Chip.FuseListWord.fill(-1);
    FuseEditFM->ResetFuseEdits();
    OscalButt->setEnabled(false);
    Chip.CalFlags = 0;

    ChipInfoResult info = ExtractChipInfo(ChipData, position);
    if (!info.ok) {
        // A value the record cannot hold (a socket or fuse number that is no
        // integer) is reported, and no chip is left half applied.
        const std::string line =
            info.badLine >= 0 && static_cast<size_t>(info.badLine) < ChipData.size()
                ? ChipData[static_cast<size_t>(info.badLine)]
                : std::string();
        dialogs().Error(Arg(kChipFileSyntaxText, line.substr(0, kShownLineLimit)));
        ChipSelect->setCurrentIndex(-1);
        DrawTheSocket();
        return;
    }
    Chip = info.record;
    Chip.ChipName = ChipSelect->itemText(position).toStdString();
    FuseEditFM->LoadFuseRows(info.rows);
    FuseEditFM->SetIDMaxLength(4);
    FuseEditFM->SetIDVisible(true);
    DeriveSelectionFields(Chip);
    switch (Chip.Family()) {
    case Core::SerialEeprom:
        FuseButt->setEnabled(false);
        FuseEditFM->SetIDVisible(false);
        break;
    case Core::Wide:
    case Core::WideByteHex:
        FuseEditFM->SetIDMaxLength(8);
        break;
    case Core::Baseline:
        OscalButt->setEnabled(Chip.CalWord);
        FuseEditFM->SetIDVisible(false);
        break;
    case Core::Midrange:
        OscalButt->setEnabled(Chip.CalWord);
        break;
    case Core::Other:
        break;
    }
    OSCAL1->setEnabled(OscalButt->isEnabled());
    for (QPushButton* b : {SaveButt, ReadButt, VerfButt})
        b->setEnabled(true);
    for (QAction* a : {Save1, Read1, Verify1})
        a->setEnabled(true);
    DrawTheSocket();
}

void TProjFm::DisableChipCommands() {
    for (QPushButton* b : {SaveButt, ReadButt, VerfButt, OscalButt, FuseButt})
        b->setEnabled(false);
    for (QAction* a : {Save1, Read1, Verify1, OSCAL1, FlyWindow1})
        a->setEnabled(false);
}

int TProjFm::FindChipCBText(const std::string& name) const {
    for (int i = 0; i < ChipSelect->count(); ++i)
        if (ChipSelect->itemText(i).toStdString() == name)
            return i;
    return -1;
}

void TProjFm::DrawTheSocket() {
    const SocketView view = ChooseSocketView(ChipSelected(), Chip.SocketLayout, Engine->Style(),
                                             ICSPMode1->isChecked());
    if (!ChipSelected()) {
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
