#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {
const std::string kQuestion = "Data file has changed. Do you wish to save it?";
}

TEST(MemoryImageWindow, ClosingWithChangedDataAsksAndCancelKeepsTheWindowOpen) {
    MainWindowHarness h("closequery");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.Image.DataChanged = true;
    h.dialogs.answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(h.Close());
    EXPECT_EQ(h.dialogs.shown.back(), (ScriptedDialogs::Shown{"question3", kQuestion}));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(std::filesystem::exists(h.dir / "pro.dat")); // nothing written

    h.dialogs.answers = {Dialogs::Answer::No};
    EXPECT_TRUE(h.Close());
    EXPECT_TRUE(std::filesystem::exists(h.dir / "pro.dat"));
}

TEST(MemoryImageWindow, UnchangedDataAsksNothing) {
    MainWindowHarness h("noquery");
    TestWindow& w = h.Start();
    const size_t before = h.dialogs.shown.size();
    EXPECT_TRUE(w.Bench().SaveQuery(true));
    EXPECT_TRUE(w.Bench().SaveQuery(false));
    EXPECT_EQ(h.dialogs.shown.size(), before);
}

TEST(MemoryImageWindow, ResetGivesTheIDItsLengthAndSelectsFirstOptions) {
    MainWindowHarness h("resetid");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("18F452"));
    w.ChipSelectChange();
    w.FuseEditFM->SetIDText("12");
    FuseRows rows = w.FuseEditFM->ReadFuseRows();
    rows[1].selected = 1;
    w.FuseEditFM->ApplySelections(rows);
    w.Bench().ResetImage({false, false, true});
    EXPECT_EQ(w.FuseEditFM->IDText(), "FFFFFFFF");
    EXPECT_EQ(w.FuseEditFM->IDMaxLength(), 8);
    EXPECT_EQ(w.FuseEditFM->ReadFuseRows()[1].selected, 0);
    EXPECT_EQ(w.Image.ROMData.size(), static_cast<size_t>(w.Chip.ROMSize) + 1);
    EXPECT_TRUE(w.CodeLines.empty());
}
