#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
const ScriptedDialogs::Shown kQuestion{
    "question", "You are about to insert the calibration data into the HEX file.\r\rContinue?"};

struct CalibrationWindow : ::testing::Test {
    MainWindowHarness h{"oscal"};
    TestWindow* w = nullptr;
    std::size_t last = 0;

    // A chip from the shipped list, its image blank with `word` as the last word.
    void Choose(const char* chip, int word) {
        h.CopyShippedChipFile();
        w = &h.Start();
        w->ChipSelect->setCurrentIndex(w->Bench().FindChip(chip));
        w->ChipSelectChange();
        w->Bench().ResetImage({false, false, true});
        last = static_cast<std::size_t>(w->Chip.ROMSize) - 1;
        w->Image.ROMData[last] = word;
        h.dialogs.shown.clear();
    }

    // Runs CALIB; `user` acts once the dialog is up, then `button` closes it.
    void Calib(std::function<void(TOscCalFm&)> user, const char* button) {
        TOscCalFm& fm = *w->OscCalFm;
        QTimer::singleShot(0, &fm, [&fm, user, button] {
            user(fm);
            fm.findChild<QPushButton*>(button)->click();
            if (fm.isVisible()) // refused: the dialog stays open
                fm.reject();
        });
        w->OscalButtClick();
    }
};

void Type(QLineEdit* edit, const char* keys) {
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}
} // namespace

TEST_F(CalibrationWindow, TypedValuesGoIntoTheImageAfterTheQuestion) {
    Choose("12F675", 0x3480);
    w->Image.FuseValue[1] = 0x3FFF;
    FuseRows rows = w->FuseEditFM->ReadFuseRows();
    rows[2].selected = 1; // watchdog off, which word 1 does not say
    w->FuseEditFM->ApplySelections(rows);
    QString shownOsc, shownRetlw;
    bool bandgapShown = false;
    h.dialogs.answers = {Dialogs::Answer::Yes};
    Calib(
        [&](TOscCalFm& fm) {
            shownOsc = fm.OscEdit->text();
            shownRetlw = fm.RetlwLab->text();
            bandgapShown = fm.BGedit->isVisible() && fm.BandGapLabel->isVisible();
            Type(fm.OscEdit, "7g c"); // "g" and the blank are dropped, "c" is upper-cased
            Type(fm.BGedit, "0 21");
        },
        "OKbutt");
    EXPECT_EQ(shownOsc, "80");
    EXPECT_EQ(shownRetlw, "34");
    EXPECT_TRUE(bandgapShown);
    EXPECT_EQ(h.dialogs.shown, (std::vector{kQuestion}));
    EXPECT_EQ(w->Image.ROMData[last], 13436);
    EXPECT_EQ(w->Image.FuseValue[1], 0x1FFF);
    EXPECT_TRUE(w->Image.DataChanged);
    EXPECT_FALSE(w->CodeLines.empty()); // the listing shows the new word
    // The fuse rows are brought back in line with word 1.
    EXPECT_EQ(w->FuseEditFM->ReadFuseRows()[2].selected, 0);
}

TEST_F(CalibrationWindow, NoLeavesTheImageAlone) {
    Choose("12F675", 0x3480);
    h.dialogs.answers = {Dialogs::Answer::No};
    Calib([](TOscCalFm& fm) { Type(fm.OscEdit, "7C"); }, "OKbutt");
    EXPECT_EQ(h.dialogs.shown, (std::vector{kQuestion}));
    EXPECT_EQ(w->Image.ROMData[last], 0x3480);
    EXPECT_FALSE(w->Image.DataChanged);
}

TEST_F(CalibrationWindow, UnchangedValuesAreWrittenWithoutAQuestion) {
    Choose("12F508", 0x0C50);
    QString shownRetlw;
    bool bandgapShown = true;
    Calib(
        [&](TOscCalFm& fm) {
            shownRetlw = fm.RetlwLab->text();
            bandgapShown = fm.BGedit->isVisible();
        },
        "OKbutt");
    EXPECT_EQ(shownRetlw, "0C");
    EXPECT_FALSE(bandgapShown);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(w->Image.ROMData[last], 0x0C50);
    EXPECT_TRUE(w->Image.DataChanged);
}

TEST_F(CalibrationWindow, ShortValuesAreRefusedAndTheDialogStaysOpen) {
    Choose("12F675", 0x3480);
    bool openAfterOsc = false;
    Calib(
        [&](TOscCalFm& fm) {
            Type(fm.OscEdit, "F");
            fm.OKbutt->click();
            openAfterOsc = fm.isVisible();
            Type(fm.OscEdit, "FF");
            Type(fm.BGedit, "1");
        },
        "OKbutt");
    EXPECT_TRUE(openAfterOsc);
    EXPECT_EQ(h.dialogs.Texts(),
              (std::vector<std::string>{"Invalid OSCAL value", "Invalid BandGap value"}));
    EXPECT_EQ(h.dialogs.shown[0].kind, "error");
    EXPECT_EQ(w->Image.ROMData[last], 0x3480);
}

TEST_F(CalibrationWindow, NeedsAChipAndAnImage) {
    h.CopyShippedChipFile();
    w = &h.Start();
    h.dialogs.shown.clear();
    w->OscalButtClick();
    w->ChipSelect->setCurrentIndex(w->Bench().FindChip("12F675"));
    w->ChipSelectChange();
    w->OscalButtClick();
    EXPECT_EQ(h.dialogs.shown,
              (std::vector<ScriptedDialogs::Shown>{{"information", "Please select a chip"},
                                                   {"information", "No OSCAL value in memory"}}));
}

TEST_F(CalibrationWindow, AnImageEmptiedMeanwhileKeepsItsChangedMark) {
    Choose("12F675", 0x3480);
    w->Image.DataChanged = true;
    Calib([this](TOscCalFm&) { w->Image.ROMData.clear(); }, "OKbutt");
    EXPECT_TRUE(w->Image.DataChanged);
}

TEST(CalibrationDialog, ReadDisablesThePanelUntilTheDialogIsShownAgain) {
    ScriptedDialogs dialogs;
    int reads = 0;
    TOscCalFm fm(dialogs, [&reads] { ++reads; });
    fm.show();
    EXPECT_TRUE(fm.ReadButt->isEnabled());
    EXPECT_EQ(fm.ReadButt->text(), "&Read");
    fm.ReadButt->click();
    EXPECT_EQ(reads, 1);
    EXPECT_FALSE(fm.Panel1->isEnabled());
    fm.hide();
    fm.show();
    EXPECT_TRUE(fm.Panel1->isEnabled());

    TOscCalFm unwired(dialogs, {});
    EXPECT_FALSE(unwired.ReadButt->isEnabled());
}
