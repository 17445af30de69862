// The main window as the programmer engine's host: its port, its timer, its
// widgets and the memory image.
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "chipdb/chip_identify.h"
#include "fuses/fuse_values.h"
#include "link/programmer_style.h"
#include "link/serial.h"
#include "platform/debug_log.h"
#include "platform/translator_qt.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

void TProjFm::SetTimer(bool on) {
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}

void TProjFm::Pause(int milliseconds) {
    Env.sleep(milliseconds);
}

void TProjFm::SetStatus(const std::string& text) {
    LogUi("status", text);
    StatusLabel->setText(TrShown(text));
    StatusLabel->repaint();
}

void TProjFm::SetProgress(int value, int maximum) {
    constexpr auto kProgressEvery = std::chrono::milliseconds(30);
    ProgressValue = value;
    ProgressMaximum = maximum;
    // Empty and full bars are shown at once; steps between wait their turn.
    const auto since = std::chrono::steady_clock::now() - ProgressShownAt;
    if (value <= 0 || value >= maximum || since >= kProgressEvery) {
        ShowProgress();
    } else if (!ProgressTimer->isActive()) {
        ProgressTimer->start(
            std::chrono::ceil<std::chrono::milliseconds>(kProgressEvery - since).count());
    }
}

void TProjFm::ShowProgress() {
    ProgressTimer->stop();
    ProgressShownAt = std::chrono::steady_clock::now();
    // A range of 0..0 would turn the bar into a busy indicator.
    const int top = std::max(ProgressMaximum, 1);
    const int value = std::clamp(ProgressValue, 0, top);
    ProgressBar1->setMaximum(top);
    ProgressBar1->setValue(value);
    const long long percent = static_cast<long long>(value) * 100 / top;
    FlyForm->ProgressBar->setValue(static_cast<int>(percent));
}

void TProjFm::RepaintWindow() {
    repaint();
}

OperationOptions TProjFm::Options() const {
    OperationOptions options;
    options.icsp = ICSPMode1->isChecked();
    options.ignoreBlankCheck = IgnoreBlankCheck1->isChecked();
    return options;
}

void TProjFm::OperationStarted(Operation operation) {
    if (operation == Operation::AutoProgram) {
        // The loop waits for chips with the controls free: only its marks show.
        AutoProgram1->setChecked(true);
        AutoLabel->setText(Tr("Auto"));
        ICSPMode1->setEnabled(false);
        return;
    }
    DisableUserButtons();
}

void TProjFm::DisableUserButtons() {
    ButtonPanel->setEnabled(false);
    ChipSelect->setEnabled(false);
    for (QMenu* m : {File1, Programmer1, Options1, Help1})
        m->menuAction()->setEnabled(false);
}

void TProjFm::BackToIdle() {
    // User mode keeps the chip selector locked through every operation.
    ChipSelect->setEnabled(!User1->isChecked());
    ButtonPanel->setEnabled(true);
    for (QMenu* m : {File1, Programmer1, Options1, Help1})
        m->menuAction()->setEnabled(true);
    ProgButt->setEnabled(true);
    LoadButt->setEnabled(true);
    OscCalFm->Panel1->setEnabled(true);
    AutoProgram1->setChecked(false);
    IgnoreBlankCheck1->setChecked(false);
    ICSPMode1->setEnabled(StyleInfo(Engine->Style()).icspAvailable);
    AutoLabel->clear();
}

void TProjFm::OperationEnded(const OperationReport& report) {
    // After the engine's own last word on the status line.
    if (report.outcome == Outcome::Difference && report.details.region == kFuseRegion)
        ShowFuseDifference(report.details);
    if (report.outcome == Outcome::Declined && !report.details.socketChip.empty())
        OfferSocketChip(report);
}

void TProjFm::SwitchStyle(int style) {
    StyleItemClick(style);
}

bool TProjFm::ChipSelected() const {
    return ChipSelect->currentIndex() >= 0;
}

std::string TProjFm::ChipWithDeviceId(int deviceId) const {
    return ::ChipWithDeviceId(ChipData, Chip, deviceId);
}

std::string TProjFm::IDText() const {
    return FuseEditFM->IDText();
}

void TProjFm::SetIDText(const std::string& text) {
    FuseEditFM->SetIDText(text);
}

void TProjFm::ClearImage() {
    ResetCodeMemory(false, false, false);
}

void TProjFm::SaveImage() {
    SaveButtClick();
}

void TProjFm::ShowListing() {
    CreateCodeData();
    DisplayCodeLines();
}

void TProjFm::ShowFuses() {
    FuseRows rows = FuseEditFM->ReadFuseRows();
    UpdateFusesForCore(rows, Chip, Image.FuseValue);
    FuseEditFM->ApplySelections(rows);
}

void TProjFm::ShowCalibration(const std::string& oscal, const std::string& bandGap) {
    OscCalFm->OscEdit->setText(QString::fromStdString(oscal));
    OscCalFm->BGedit->setText(QString::fromStdString(bandGap));
}

void TProjFm::RefreshCalibrationDialog() {
    SetOscalFmValues();
}
