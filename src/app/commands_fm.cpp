// The main window's own commands: option toggles, the port commands, the fly
// window and help.
#include "app/chip_editor_fm.h"
#include "app/messages.h"
#include "app/port_return_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "fuses/fuse_messages.h"
#include "platform/current_dir.h"
#include "platform/file_places.h"
#include "platform/text_file.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"
#include "platform/utf8_path.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>


namespace {
constexpr const char* kAboutText =
    N_("Tessaro %1\r\rDrives the Tessaro programmer boards for PIC "
       "microcontrollers and 24Cxx serial EEPROMs.\r\rBuilt with Qt %2.");

// The help document in the user's language when there is one (tessaro_de.html),
// else the English one.
std::string HelpFileOf(const std::string& programDir, const std::string& language) {
    const std::string translated = programDir + "tessaro_" + language + ".html";
    if (!language.empty() && IsExistingFile(translated))
        return translated;
    return programDir + "tessaro.html";
}
} // namespace

void TProjFm::RunWarningClick() {
    RunWarning->setChecked(!RunWarning->isChecked());
}

void TProjFm::IgnoreBlankCheck1Click() {
    IgnoreBlankCheck1->setChecked(!IgnoreBlankCheck1->isChecked());
}

void TProjFm::AdviseNewerFileLoad1Click() {
    Bench_->adviseNewerFileLoad = !Bench_->adviseNewerFileLoad;
    AdviseNewerFileLoad1->setChecked(Bench_->adviseNewerFileLoad);
}

void TProjFm::ICSPMode1Click() {
    if (!Bench_->ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    ICSPMode1->setChecked(!ICSPMode1->isChecked());
    ICSPLabel->setText(ICSPMode1->isChecked() ? Tr("ICSP") : QString());
    DrawTheSocket();
}

void TProjFm::Port1Click() {
    const int current = Bench_->PortNumber();
    PortFm->PortEdit->setText(current < 1 ? QString() : QString::number(current));
    if (PortFm->exec() != QDialog::Accepted)
        return;
    bool ok = false;
    const int port = PortFm->PortEdit->text().toInt(&ok);
    if (Bench_->ChangePort(ok ? port : -1))
        DisableUserButtons();
}

void TProjFm::SerialOff1Click() {
    // An unplugged board's port is closed already: Serial Off stops waiting for it.
    if (Bench_->PortOpen() || Bench_->PortLostNow()) {
        PortReturn->Forget();
        Bench_->SerialOff();
        SerialOff1->setText(Tr("Serial &On"));
        ComLabel->setEnabled(false);
        ComLabel->setToolTip(QString()); // and its hint: a disabled label takes no double click
        return;
    }
    SerialOff1->setText(Tr(kSerialOffCaption));
    if (!Bench_->SerialOn())
        return;
    DisableUserButtons();
    ComLabel->setEnabled(true);
}

void TProjFm::Edit1Click() {
    ChangeDirectory(Bench_->Places().ProgramDir);
    if (std::optional<TextLines> text = Bench_->ChipFileText()) {
        EditFm->Changed = false;
        EditFm->ChipFileLines = std::move(*text);
        EditFm->exec();
        if (EditFm->Changed)
            Bench_->SaveChipFile(EditFm->ChipFileLines);
    }
    ChangeDirectory(Bench_->FileFolder());
    SetStatus(kReady);
}

void TProjFm::FlyWindow1Click() {
    hide();
    FlyForm->show();
}

void TProjFm::Contents1Click() {
    // The timer runs while the board is waited for; help waits until it is done.
    if (!Bench_->AtRest())
        return;
    const std::string& programDir = Bench_->Places().ProgramDir;
    ChangeDirectory(programDir);
    Env.help->OpenContents(HelpFileOf(programDir, WindowLanguage()));
    ChangeDirectory(Bench_->FileFolder());
}

void TProjFm::About1Click() {
    dialogs().Information(
        Arg(kAboutText, QCoreApplication::applicationVersion().toStdString(), qVersion()));
}
