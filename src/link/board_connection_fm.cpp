// The board connection: port opening, the reset pulse on DTR, the watchdog,
// the end of every operation and the programmer styles.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "link/programmer_style.h"
#include "link/serial.h"

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
    // A number outside 1..9 is refused before anything changes: an open port
    // stays open on its old number.
    bool open = false;
    if (Serial1->SetPort(port)) {
        Serial1->SetActive(true);
        open = Serial1->Active();
    }
    if (open) {
        ComLabel->setText(QString("COM %1").arg(port));
        ComLabel->setToolTip(kPortHint);
    } else {
        dialogs().Error(kPortProblem);
        ComLabel->setText(kNoPort);
        ComLabel->setToolTip(QString());
    }
    return open;
}

void TProjFm::SetProgrammerReset(int level) {
    if (Serial1->Active())
        Serial1->SetSignal(1, level != 0);
}

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
    FlyForm->ProgressBar->setValue(0);
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
    Serial1->PurgeRx();
}

void TProjFm::BoardSilent() {
    if (ResetPending) {
        ResetPending = false;
        ResetSerial(false);
        SetStatus(kResetError);
        const std::string port =
            Serial1->Active() ? "COM " + std::to_string(Serial1->Port()) : std::string("None");
        dialogs().Error(std::string("Reset failed. Please check...\r\r") +
                        "Communications port, currently [ " + port + " ]\r" +
                        "Board connections and power\r" + "Mode =  [ " +
                        StyleInfo(ProgrammerStyle).messageName +
                        " ], does your programmer board match this setting?");
        SetStatus(kReady);
        return;
    }
    // Silence during an operation: say what the board last said, then reset it.
    const std::string& rx = Protocol.RxText;
    const char* status = "Comms Error...";
    std::string text = "The board is not responding";
    if (rx.find("?E?P") != std::string::npos) {
        status = "I2C Error...";
        text = "I2C EEPROM is not responding.";
    } else if (rx.find("?F?N") != std::string::npos) {
        status = "Function Error...";
        text = "Function not supported by this programmer firmware.";
    }
    ResetSerial(false);
    SetStatus(status);
    dialogs().Error(text + "\rAbout to apply reset...");
    repaint();
    ResetProgrammer(true);
}

void TProjFm::HandleGreeting() {
    std::string& rx = Protocol.RxText;
    if (rx.size() >= 3) {
        rx.clear();
        return;
    }
    if (rx.empty())
        return;
    if (rx[0] != 'B') {
        ResetSerial(false);
        return;
    }
    if (rx.size() == 1)
        return; // the model byte follows
    const int detected = StyleFromGreeting(rx[1]);
    if (detected < 0) {
        ResetSerial(false);
        return;
    }
    ResetPending = false;
    const char* expected = StyleInfo(ProgrammerStyle).messageName;
    const char* connected = StyleInfo(detected).messageName;
    if (StyleInfo(ProgrammerStyle).style == detected) {
        SetStatus(std::string(connected) + " board connected");
        repaint();
        ResetSerial(false);
        return;
    }
    ResetSerial(false);
    SetStatus("System matching...");
    dialogs().Information(std::string("Program mode = ") + expected + ", connected board = " +
                          connected + ".\r\rWill attempt to match the board");
    repaint();
    StyleItemClick(detected);
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
