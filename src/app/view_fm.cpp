// The main window as the workbench's view: what changed, drawn from the
// workbench's state.
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/proj_fm.h"
#include "app/small_dialogs_fm.h"
#include "image/chip_checksum.h"
#include "link/programmer_style.h"
#include "platform/debug_log.h"
#include "platform/translator_qt.h"
#include "protocol/engine_texts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

void TProjFm::StatusChanged(const EngineStatus& status) {
    SetStatus(Worded(status));
}

void TProjFm::SetStatus(const std::string& text) {
    LogUi("status", text);
    StatusLabel->setText(TrShown(text));
    StatusLabel->repaint();
}

void TProjFm::SetCaption() {
    setWindowTitle(QString::fromStdString(Bench_->Caption()));
}

void TProjFm::ProgressChanged(int value, int maximum) {
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

void TProjFm::ChipChanged() {
    ShowChipList();
    User1->setChecked(Bench_->UserMode());
    ShowFuseEditor();
    ShowCommands();
    if (Bench_->UserMode()) {
        DrawBlankSocket();
        PlayClick();
    } else {
        DrawTheSocket();
    }
}

// The fuse editor's rows for the chip, and its ID box for the chip's core.
void TProjFm::ShowFuseEditor() {
    if (!Bench_->ChipSelected()) {
        FuseEditFM->ResetFuseEdits();
        return;
    }
    FuseEditFM->LoadFuseRows(Bench_->Fuses());
    FuseEditFM->SetIDMaxLength(Bench_->Chip().IdTextLength());
    FuseEditFM->SetIDVisible(Bench_->Chip().HasUserId());
}

// What may be chosen with the chip and the mode there are.
void TProjFm::ShowCommands() {
    const bool user = Bench_->UserMode();
    const bool chip = Bench_->ChipSelected();
    const bool onChip = chip && !user;
    const ChipRecord& c = Bench_->Chip();
    const Core core = c.Family();
    const bool calibration =
        onChip && c.CalWord && (core == Core::Baseline || core == Core::Midrange);
    for (QPushButton* b : {SaveButt, ReadButt, VerfButt})
        b->setEnabled(onChip);
    for (QAction* a : {Save1, Read1, Verify1})
        a->setEnabled(onChip);
    OscalButt->setEnabled(calibration);
    OSCAL1->setEnabled(calibration);
    FuseButt->setEnabled(onChip && core != Core::SerialEeprom);
    FlyWindow1->setEnabled(chip);
    BlankButt->setEnabled(!user);
    for (QAction* a : {SerialOff1, Blank1, Merge1, Edit1, ReadChipID1, AdviseNewerFileLoad1})
        a->setEnabled(!user);
    ChipSelect->setEnabled(!user);
    Run1->setEnabled(user);
    RunButt->setEnabled(user);
    if (user)
        RunButt->setText(Tr("Ru&n"));
}

void TProjFm::ImageChanged(unsigned parts) {
    if (parts & kImageCleared) {
        CodeLines.clear();
        BlankListing();
        CodeScroll->setMaximum(0);
    }
    if (parts & kImageData) {
        CreateCodeData();
        DisplayCodeLines();
    }
    if (parts & kImageConfig) {
        FuseEditFM->ApplySelections(Bench_->Fuses());
        FuseEditFM->SetIDMaxLength(Bench_->Chip().IdTextLength());
        FuseEditFM->SetIDText(Bench_->IdText());
        SetOscalFmValues();
    }
    if (parts & kImageFile) {
        SetCaption();
        FillRecentFilesMenu();
    }
    if (parts & (kImageData | kImageConfig | kImageCleared))
        ShowChecksum();
}

namespace {
constexpr const char* kChecksumHint = N_("Checksum as the chip maker's programming tools show it");
} // namespace

// The checksum beside the status: a serial EEPROM's place stays empty and
// says why in its tooltip.
void TProjFm::ShowChecksum() {
    const bool chip = Bench_->ChipSelected();
    const std::optional<int> sum = Bench_->Checksum();
    ChecksumLabel->setText(QString::fromStdString(ChecksumText(sum)));
    ChecksumLabel->setToolTip(chip && !sum ? Tr(kNoChecksumText) : Tr(kChecksumHint));
}

void TProjFm::BoardChanged() {
    ShowStyle();
}

// The style's items: its mark, ICSP mode (off), the Elm-only commands, the captions.
void TProjFm::ShowStyle() {
    const ProgrammerStyleInfo& info = StyleInfo(Bench_->Style());
    for (int s = 0; s < StyleCount; ++s)
        StyleItems[s]->setChecked(s == info.style);
    ICSPMode1->setEnabled(info.icspAvailable);
    ICSPMode1->setChecked(false);
    ICSPLabel->clear(); // with the mark: the label never claims a mode that is off
    if (FlyForm)
        FlyForm->setWindowTitle(info.caption);
    for (QAction* a : {Run1, User1, RunWarning, UserSeparator})
        a->setVisible(info.elmItems);
    RunButt->setVisible(info.elmItems);
    SetCaption();
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
    ChipSelect->setEnabled(!Bench_->UserMode());
    ButtonPanel->setEnabled(true);
    for (QMenu* m : {File1, Programmer1, Options1, Help1})
        m->menuAction()->setEnabled(true);
    ProgButt->setEnabled(true);
    LoadButt->setEnabled(true);
    OscCalFm->Panel1->setEnabled(true);
    AutoProgram1->setChecked(false);
    IgnoreBlankCheck1->setChecked(false);
    ICSPMode1->setEnabled(StyleInfo(Bench_->Style()).icspAvailable);
    AutoLabel->clear();
}

void TProjFm::OperationEnded(const OperationReport& report) {
    RecordResult(report);
    // After the engine's own last word on the status line.
    if (report.outcome == Outcome::Difference && report.details.region == kFuseRegion)
        ShowFuseDifference(report.details);
    if (report.operation == Operation::ReadCalibration)
        ShowCalibration(report);
    Bench_->OfferSocketChip(report);
}
