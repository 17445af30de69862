// The board connection on the main window: the port, the programmer styles,
// the firmware upgrade and the automatic loop. The workbench does the work;
// the window shows the port indicator and the style's items.
#include "app/messages.h"
#include "app/port_return_fm.h"
#include "app/proj_fm.h"
#include "link/com_names.h"
#include "link/programmer_style.h"
#include "platform/translator_qt.h"

#include <QAction>
#include <QLabel>

bool TProjFm::ActivateSerialPort(int port) {
    return Bench_->OpenPort(port);
}

void TProjFm::PortOpened(bool open) {
    ShowPortOpened(open);
}

void TProjFm::ShowPortOpened(bool open) {
    if (open) {
        PortReturn->Opened();
        ComLabel->setText(QString::fromStdString(ComCaption(Bench_->PortNumber())));
        ComLabel->setToolTip(Tr(kPortHint));
    } else {
        PortReturn->Forget();
        ComLabel->setText(kNoPort);
        ComLabel->setToolTip(QString());
    }
}

void TProjFm::Serial1RxData() {
    Bench_->Received();
}

void TProjFm::Reset1Click() {
    Bench_->ResetBoard();
}

void TProjFm::SetProgramVersion(int style, bool userChange) {
    if (userChange)
        Bench_->ChooseStyle(style);
    else
        Bench_->StartInStyle(style);
}

void TProjFm::StyleItemClick(int style) {
    Bench_->ChooseStyle(style);
}

void TProjFm::AutoProgram1Click() {
    if (Bench_->AutoProgramOn())
        Bench_->EndAutoProgram();
    else
        Bench_->StartAutoProgram(Options());
}

void TProjFm::Upgrade1Click() {
    Bench_->Upgrade(Options());
}
