// The board connection on the main window: port opening, the programmer
// styles and the firmware upgrade. The reset, the greeting and the watchdog are
// the programmer engine's; the window passes its events on.
#include "app/fuse_edit_fm.h"
#include "app/messages.h"
#include "app/port_return_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "link/programmer_style.h"
#include "link/serial.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"
#include "protocol/upgrade.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kPortProblem = N_("There appears to be a problem accessing the COM Port");
constexpr const char* kUpgradeChip = "16F628";
} // namespace

bool TProjFm::ActivateSerialPort(int port) {
    // A number outside 1..9 is refused before anything changes: an open port
    // stays open on its old number.
    bool open = false;
    if (Serial1->SetPort(port)) {
        Serial1->SetActive(true);
        open = Serial1->Active();
    }
    if (open) {
        PortReturn->Opened();
        ComLabel->setText(QString("COM %1").arg(port));
        ComLabel->setToolTip(Tr(kPortHint));
    } else {
        PortReturn->Forget();
        dialogs().Error(kPortProblem);
        ComLabel->setText(kNoPort);
        ComLabel->setToolTip(QString());
    }
    return open;
}

void TProjFm::Serial1RxData() {
    Engine->OnBytes(Line->TakeReceived());
}

void TProjFm::Reset1Click() {
    Engine->ResetProgrammer(true);
}

void TProjFm::ResetSerial(bool showReady) {
    Engine->ResetSerial(showReady);
}

void TProjFm::SetProgramVersion(int style, bool userChange) {
    Engine->SetStyle(style);
    const ProgrammerStyleInfo& info = StyleInfo(style);
    QAction* items[] = {AlderItem, BirchAItem, BirchBItem, CedarItem, ElmItem};
    for (int s = 0; s < StyleCount; ++s)
        items[s]->setChecked(s == info.style);
    ICSPMode1->setEnabled(info.icspAvailable);
    FlyForm->setWindowTitle(info.caption);
    for (QAction* a : {Run1, User1, RunWarning, UserSeparator})
        a->setVisible(info.elmItems);
    RunButt->setVisible(info.elmItems);
    ICSPMode1->setChecked(false);
    ICSPLabel->clear(); // with the mark: the label never claims a mode that is off
    ChipSelect->setCurrentIndex(-1);
    User1->setChecked(false);
    ModelCaption = ModelCaptionFor(style);
    SetCaption("");
    if (userChange) {
        CheckAndLoadChipData();
        FileSaveQuery(false);
        ResetCodeMemory(false, false, false);
        SetUserMode();
        DrawTheSocket();
        Engine->ResetProgrammer(true);
    }
}

void TProjFm::StyleItemClick(int style) {
    QAction* items[] = {AlderItem, BirchAItem, BirchBItem, CedarItem, ElmItem};
    if (!items[StyleInfo(style).style]->isChecked())
        SetProgramVersion(style, true);
}

void TProjFm::AutoProgram1Click() {
    if (Engine->AutoProgramOn())
        Engine->EndAutoProgram();
    else
        Engine->StartAutoProgram(Options());
}

// The board's own firmware goes into a 16F628 in the socket, programmed like
// any chip from the style's upgrade image.
void TProjFm::Upgrade1Click() {
    const int position = FindChipCBText(kUpgradeChip);
    if (position < 0) {
        SetStatus(N_("Chip error..."));
        dialogs().Error(N_("Error: Upgrade chip missing from Chip Selector.\r\rPlease use OPTIONS "
                           "-> Edit Chip List to include 16F628."));
        SetStatus(kReady);
        return;
    }
    ChipSelect->setCurrentIndex(position);
    PreSelectChip();
    Image.MergeLoad = false;
    // The image stands in the program folder; it is opened there by its full
    // path, whatever folder is current.
    const std::string file = ProgramDir + StyleInfo(Engine->Style()).upgradeFile;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || !OpenTheHexFile(file)) {
        SetStatus(N_("File error..."));
        dialogs().Error(N_("Error: Corrupt or missing upgrade file"));
        SetStatus(kReady);
        return;
    }
    Engine->Upgrade();
    SetCaption("");
    // The upgrade image is not for the user to see, nor drawn again with a new palette.
    CodeLines.clear();
    BlankListing();
    CodeScroll->setMaximum(0);
    std::string id = FuseEditFM->IDText();
    UnscrambleUpgradeImage(Image, id, StyleInfo(Engine->Style()).style == kElmStyle);
    FuseEditFM->SetIDText(id);
    if (dialogs().QuestionYesNo(N_("Please insert 16F628 as per screen graphic.\r\rDo you wish to "
                                   "continue?")) == Dialogs::Answer::Yes)
        ProgButtClick();
    else
        ResetCodeMemory(false, false, false);
    SetStatus(kReady);
}
