// The fuse editor and calibration commands of the main window.
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/proj_fm.h"
#include "chipdb/hex_text.h"
#include "fuses/calibration.h"
#include "fuses/edit_fuses.h"
#include "fuses/fuse_messages.h"
#include "platform/translate.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr const char* kNoOscalValue = N_("No OSCAL value in memory");
} // namespace

void TProjFm::FuseButtClick() {
    Workbench& bench = *Bench_;
    FuseWords words = bench.ConfigWords();
    ::EditFuses(dialogs(), bench.ChipSelected(), bench.Chip(), words, *FuseEditFM);
    if (bench.ChipSelected())
        bench.ChooseFuses(FuseEditFM->ReadFuseRows(), words, FuseEditFM->IDText());
}

void TProjFm::OscalButtClick() {
    if (!Bench_->ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (!Bench_->HoldsProgram()) {
        dialogs().Information(kNoOscalValue);
        return;
    }
    SetOscalFmValues();
    if (OscCalFm->exec() == QDialog::Accepted)
        Bench_->WriteCalibration(OscCalFm->OscText(), OscCalFm->BGText());
}

void TProjFm::SetOscalFmValues() {
    const CalibrationTexts v = Bench_->CalibrationToEdit();
    OscCalFm->OscEdit->setText(QString::fromStdString(v.OscText));
    OscCalFm->BGedit->setText(QString::fromStdString(v.BGText));
    if (!v.RetlwText.empty())
        OscCalFm->RetlwLab->setText(QString::fromStdString(v.RetlwText));
    OscCalFm->BandGapLabel->setVisible(v.BandGapVisible);
    OscCalFm->BGedit->setVisible(v.BandGapVisible);
}

// A calibration read fills the dialog's fields with what the chip holds.
void TProjFm::ShowCalibration(const OperationReport& report) {
    const ChipCalibration read = Workbench::CalibrationOf(report);
    if (report.outcome != Outcome::Done || read.word < 0)
        return;
    OscCalFm->OscEdit->setText(QString::fromStdString(HexOfValue(read.word, 2)));
    OscCalFm->BGedit->setText(QString::fromStdString(BandGapText(read.bandGap)));
}

// After a Verify (or a Program's read-back) found a configuration word that
// differs and its box said where, the status line says which options differ.
void TProjFm::ShowFuseDifference(const ResultDetails& difference) {
    std::string text;
    for (const std::string& option : Bench_->FuseDifference(difference))
        text += (text.empty() ? "" : "; ") + Translated(option);
    if (!text.empty())
        SetStatus(text);
}
