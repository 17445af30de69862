// The main window's own commands: option toggles, the port commands, the fly
// window and help.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "fuses/fuse_messages.h"
#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <filesystem>
#include <system_error>

void TProjFm::RunWarningClick() {
    RunWarning->setChecked(!RunWarning->isChecked());
}

void TProjFm::IgnoreBlankCheck1Click() {
    IgnoreBlankCheck1->setChecked(!IgnoreBlankCheck1->isChecked());
}

void TProjFm::AdviseNewerFileLoad1Click() {
    AdviseNewerFileLoad1->setChecked(!AdviseNewerFileLoad1->isChecked());
}

void TProjFm::ICSPMode1Click() {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    ICSPMode1->setChecked(!ICSPMode1->isChecked());
    ICSPLabel->setText(ICSPMode1->isChecked() ? "ICSP" : "");
    DrawTheSocket();
}

void TProjFm::Port1Click() {
    const int current = Serial1->Port();
    PortFm->PortEdit->setText(current < 1 ? QString() : QString::number(current));
    if (PortFm->exec() != QDialog::Accepted)
        return;
    bool ok = false;
    int port = PortFm->PortEdit->text().toInt(&ok);
    if (!ActivateSerialPort(ok ? port : -1))
        return;
    Env.sleep(500);
    SetProgrammerReset(Engine->ResetIdleLevel);
    Timer1->start();
    DisableUserButtons();
}

void TProjFm::SerialOff1Click() {
    if (Serial1->Active()) {
        Serial1->SetActive(false);
        SerialOff1->setText("Serial &On");
        ComLabel->setEnabled(false);
        return;
    }
    SerialOff1->setText("Serial &Off");
    if (!ActivateSerialPort(Serial1->Port()))
        return;
    Env.sleep(200);
    const int idle = Engine->ResetIdleLevel;
    SetProgrammerReset(idle ? 0 : 1);
    Env.sleep(200);
    SetProgrammerReset(idle);
    Engine->Protocol.ProtocolState = 0;
    Timer1->start();
    DisableUserButtons();
    ComLabel->setEnabled(true);
}

void TProjFm::Edit1Click() {}

void TProjFm::FlyWindow1Click() {
    hide();
    FlyForm->show();
}

void TProjFm::Contents1Click() {}
