// The fuse editor and calibration commands of the main window, and the options
// of a configuration word that differs.
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/proj_fm.h"
#include "fuses/calibration.h"
#include "fuses/fuse_butt.h"
#include "fuses/fuse_explain.h"
#include "fuses/fuse_messages.h"
#include "platform/translate.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr const char* kNoOscalValue = N_("No OSCAL value in memory");
} // namespace

void TProjFm::FuseButtClick() {
    ::FuseButtClick(dialogs(), ChipSelected(), Chip, Image.FuseValue, *FuseEditFM);
}

void TProjFm::OscalButtClick() {
    if (!ChipSelected()) {
        dialogs().Information(SelectChipText);
        return;
    }
    if (Image.ROMData.empty()) {
        dialogs().Information(kNoOscalValue);
        return;
    }
    SetOscalFmValues();
    // A write that finds nothing to write leaves the changed mark as it was:
    // clearing it would let changed data go without the save question.
    if (OscCalFm->exec() == QDialog::Accepted && SetCalibrationValues())
        Image.DataChanged = true;
}

void TProjFm::SetOscalFmValues() {
    const OscalFmValues v = CalibrationValuesFromImage(Chip, Image);
    OscCalFm->OscEdit->setText(QString::fromStdString(v.OscText));
    OscCalFm->BGedit->setText(QString::fromStdString(v.BGText));
    if (!v.RetlwText.empty())
        OscCalFm->RetlwLab->setText(QString::fromStdString(v.RetlwText));
    OscCalFm->BandGapLabel->setVisible(v.BandGapVisible);
    OscCalFm->BGedit->setVisible(v.BandGapVisible);
}

bool TProjFm::SetCalibrationValues() {
    if (!WriteCalibrationValues(Chip, Image, OscCalFm->OscText(), OscCalFm->BGText()))
        return false;
    CreateCodeData();
    DisplayCodeLines();
    if (Chip.BandGap) {
        FuseRows rows = FuseEditFM->ReadFuseRows();
        UpdateFuses1214(rows, Chip, Image.FuseValue);
        FuseEditFM->ApplySelections(rows);
    }
    return true;
}

// After a Verify (or a Program's read-back) found a configuration word that
// differs and its box said where, the status line says which options differ.
void TProjFm::ShowFuseDifference(const ResultDetails& difference) {
    std::string text;
    for (const std::string& option : ExplainFuseDifference(
             FuseEditFM->ReadFuseRows(), Chip, difference.address, difference.good, difference.bad))
        text += (text.empty() ? "" : "; ") + Translated(option);
    if (!text.empty())
        SetStatus(text);
}
