// The board connection: port opening, the reset pulse on DTR, the watchdog,
// the end of every operation and the programmer styles.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "link/programmer_style.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr const char* kPortProblem = "There appears to be a problem accessing the COM Port";
constexpr const char* kResetting = "Resetting Tessaro...";
constexpr const char* kResetError = "Reset error...";
} // namespace

bool TProjFm::ActivateSerialPort(int port) {
    bool open = false;
    if (port >= 1 && port <= 9) {
        SerialPort = port;
        open = OpenSerialPort(port);
    }
    if (open) {
        ComLabel->setText(QString("COM %1").arg(port));
        ComLabel->setToolTip("Double click to change port");
    } else {
        dialogs().Error(kPortProblem);
        ComLabel->setText("COM x");
        ComLabel->setToolTip(QString());
    }
    return open;
}

bool TProjFm::OpenSerialPort(int) {
    return false;
}

bool TProjFm::SerialIsOpen() const {
    return false;
}

void TProjFm::CloseSerialPort() {}

void TProjFm::SetProgrammerReset(int) {}

void TProjFm::ResetProgrammer(bool pending) {
    ResetPending = pending;
    ResetSerial(false);
    SetProgrammerReset(ResetIdleLevel ? 0 : 1);
    SetStatus(kResetting);
    Env.sleep(1000);
    SetProgrammerReset(ResetIdleLevel);
    Protocol.IdleTicks = 0;
    Timer1->start();
}

void TProjFm::Reset1Click() {
    ResetProgrammer(true);
}

void TProjFm::ResetSerial(bool showReady) {
    Timer1->stop();
    ChipSelect->setEnabled(true);
    ButtonPanel->setEnabled(true);
    for (QMenu* m : {File1, Programmer1, Options1, Help1})
        m->menuAction()->setEnabled(true);
    ProgButt->setEnabled(true);
    LoadButt->setEnabled(true);
    ProgressBar1->setValue(0);
    Protocol = ProtocolStateRecord{};
    AutoProgram1->setChecked(false);
    IgnoreBlankCheck1->setChecked(false);
    ICSPMode1->setEnabled(StyleInfo(ProgrammerStyle).icspAvailable);
    AutoLabel->clear();
    if (UpgradeLoaded) {
        UpgradeLoaded = false;
        ResetCodeMemory(false, false, false);
    }
    if (showReady)
        SetStatus(kReady);
}

void TProjFm::BoardSilent() {
    if (ResetPending) {
        ResetPending = false;
        ResetSerial(false);
        SetStatus(kResetError);
        const std::string port =
            SerialIsOpen() ? "COM " + std::to_string(SerialPort) : std::string("None");
        dialogs().Error(std::string("Reset failed. Please check...\r\r") +
                        "Communications port, currently [ " + port + " ]\r" +
                        "Board connections and power\r" + "Mode =  [ " +
                        StyleInfo(ProgrammerStyle).messageName +
                        " ], does your programmer board match this setting?");
        SetStatus(kReady);
        return;
    }
    ResetSerial(false);
}

void TProjFm::SetProgramVersion(int style, bool userChange) {
    ProgrammerStyle = style;
    const ProgrammerStyleInfo& info = StyleInfo(style);
    QAction* items[] = {AlderItem, BirchAItem, BirchBItem, CedarItem, ElmItem};
    for (int s = 0; s < StyleCount; ++s)
        items[s]->setChecked(s == info.style);
    ICSPMode1->setEnabled(info.icspAvailable);
    ResetIdleLevel = info.resetIdleLevel;
    FlyForm->setWindowTitle(info.caption);
    for (QAction* a : {Run1, User1, RunWarning, UserSeparator})
        a->setVisible(info.elmItems);
    RunButt->setVisible(info.elmItems);
    ICSPMode1->setChecked(false);
    ICSPLabel->clear();
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
        ResetProgrammer(true);
    }
}

void TProjFm::StyleItemClick(int style) {
    QAction* items[] = {AlderItem, BirchAItem, BirchBItem, CedarItem, ElmItem};
    if (!items[style]->isChecked())
        SetProgramVersion(style, true);
}

void TProjFm::Upgrade1Click() {}
void TProjFm::AutoProgram1Click() {
    // Starting automatic programming belongs to the operation engine; until it
    // exists the item only keeps its mark off.
    AutoProgram1->setChecked(false);
}
