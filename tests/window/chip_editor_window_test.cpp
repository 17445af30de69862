#include "file_size_limit.h"
#include "main_window_harness.h"
#include "test_platform.h"

#include "app/chip_editor_fm.h"
#include "platform/text_file.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
const ScriptedDialogs::Shown kSaveQuestion{"question", "Chip list has changed.\r\rSave changes?"};

// One chip record as typed in the file: the 17 key lines and a separator.
std::string Record(const std::string& name, const std::string& include, const char* end) {
    const char* keys[] = {
        "SOCKETIMAGE=2",   "ERASEMODE=1",     "FLASHCHIP=Y",    "POWERSEQUENCE=VCCVPP1",
        "PROGRAMDELAY=50", "PROGRAMTRIES=1",  "OVERPROGRAM=0",  "CORETYPE=5",
        "ROMSIZE=0400",    "EEPROMSIZE=0040", "FUSEBLANK=3FFF", "CPWARN=N",
        "CALWORD=N",       "BANDGAP=N",       "CHIPID=0560"};
    std::string r = "CHIPNAME=" + name + end + include + end;
    for (const char* k : keys)
        r += std::string(k) + end;
    return r + "; " + name + end;
}

// Three chips, the file written with LF line ends and one flag in lower case.
const std::string kThreeChips = Record("16F84A", "INCLUDE=Y", "\n") +
                                Record("PIC16F877A-X", "include=y", "\n") +
                                Record("16F628", "INCLUDE=N", "\n");

struct ChipEditorWindow : ::testing::Test {
    MainWindowHarness h{"chipeditor"};
    TestWindow* w = nullptr;

    void Start(const std::string& chipFile) {
        h.WriteFile("chipinfo.cid", chipFile);
        w = &h.Start();
        w->Bench().ReturnToIdle(true);
        w->ChipSelect->setCurrentIndex(0);
        w->ChipSelectChange();
        h.dialogs.shown.clear();
    }

    // Runs Edit Chip List; `user` acts in the open editor, which is then closed
    // through its Exit item.
    void EditChipList(std::function<void(TEditFm&)> user) {
        TEditFm& fm = *w->EditFm;
        QTimer::singleShot(0, &fm, [&fm, user] {
            user(fm);
            fm.File1->trigger();
        });
        w->Edit1Click();
    }
};

// The events a double-click brings: press, release, double-click, release.
void DoubleClick(TEditFm& fm, int row) {
    QWidget* cells = fm.ChipGrid->viewport();
    const QPointF at = fm.ChipGrid->visualItemRect(fm.ChipGrid->item(row, 1)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, cells->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cells, &event);
    }
}
} // namespace

TEST_F(ChipEditorWindow, ShowsEveryChipAndSavesOnlyTheToggledFlag) {
    Start(kThreeChips);
    ASSERT_EQ(w->ChipSelect->count(), 2);
    QStringList names, flags, headers;
    int rowHeight = 0;
    QSize gridSize;
    EditChipList([&](TEditFm& fm) {
        for (int r = 0; r < fm.ChipGrid->rowCount(); ++r) {
            names << fm.ChipGrid->item(r, 0)->text();
            flags << fm.ChipGrid->item(r, 1)->text();
        }
        headers << fm.ChipGrid->horizontalHeaderItem(0)->text()
                << fm.ChipGrid->horizontalHeaderItem(1)->text();
        rowHeight = fm.ChipGrid->rowHeight(0);
        gridSize = fm.ChipGrid->size();
        DoubleClick(fm, 2);
    });
    EXPECT_EQ(names, (QStringList{"16F84A", "PIC16F87", "16F628"}));
    EXPECT_EQ(flags, (QStringList{"Y", "Y", "N"}));
    EXPECT_EQ(headers, (QStringList{"Chip", "Included"}));
    EXPECT_EQ(rowHeight, 24);
    EXPECT_EQ(gridSize, QSize(309, 252)); // the whole client area below the menu bar
    EXPECT_EQ(h.dialogs.shown, (std::vector{kSaveQuestion})); // answered No by default

    h.dialogs.shown.clear();
    h.dialogs.answers = {Dialogs::Answer::Yes};
    EditChipList([](TEditFm& fm) { DoubleClick(fm, 2); });
    std::string expected = kThreeChips;
    expected.replace(expected.rfind("INCLUDE=N"), 9, "INCLUDE=Y");
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), expected);
    // Reloaded: three chips offered, none chosen, the socket empty.
    EXPECT_EQ(w->ChipSelect->count(), 3);
    EXPECT_EQ(w->ChipSelect->currentIndex(), -1);
    EXPECT_FALSE(w->SaveButt->isEnabled() || w->FuseButt->isEnabled() || w->Read1->isEnabled());
    EXPECT_EQ(w->StatusLabel->text(), "Ready");
}

TEST_F(ChipEditorWindow, NoTouchesNothingAndATwiceToggledFlagStillReloads) {
    Start(kThreeChips);
    EditChipList([](TEditFm& fm) { DoubleClick(fm, 0); });
    EXPECT_EQ(h.dialogs.shown, (std::vector{kSaveQuestion}));
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), kThreeChips);
    EXPECT_EQ(w->ChipSelect->currentIndex(), 0); // not reloaded

    h.dialogs.answers = {Dialogs::Answer::Yes};
    EditChipList([](TEditFm& fm) {
        DoubleClick(fm, 0);
        DoubleClick(fm, 0);
    });
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), kThreeChips);
    EXPECT_EQ(w->ChipSelect->currentIndex(), -1);
}

TEST_F(ChipEditorWindow, SpaceSwitchesFromTheKeyboardAndNoChangeAsksNothing) {
    Start(kThreeChips);
    QString flag;
    EditChipList([&flag](TEditFm& fm) {
        fm.ChipGrid->setFocus();
        QTest::keyClick(fm.ChipGrid, Qt::Key_Down);
        QTest::keyClick(fm.ChipGrid, Qt::Key_Space);
        flag = fm.ChipGrid->item(0, 1)->text();
    });
    EXPECT_EQ(flag, "N");
    EXPECT_EQ(h.dialogs.shown, (std::vector{kSaveQuestion}));
    h.dialogs.shown.clear();
    EditChipList([](TEditFm&) {});
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(ChipEditorWindow, AFailedWriteLeavesTheFileAndTheListAsTheyWere) {
    SKIP_ON_WINDOWS("no per-process file size limit to fill the disk with");
    Start(kThreeChips);
    h.dialogs.answers = {Dialogs::Answer::Yes};
    {
        FileSizeLimit limit(100);
        EditChipList([](TEditFm& fm) { DoubleClick(fm, 2); });
    }
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[1].kind, "error");
    EXPECT_EQ(h.dialogs.shown[1].text.rfind(
                  "The chip list could not be saved to " + h.programDir + "chipinfo.cid:\r", 0),
              0u);
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), kThreeChips);
    EXPECT_EQ(w->ChipSelect->currentIndex(), 0);
}

TEST_F(ChipEditorWindow, ChangedDataIsOfferedForSavingBeforeTheReload) {
    Start(kThreeChips);
    w->Image.DataChanged = true;
    w->Image.EEPROMData = {1, 2, 3};
    h.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
    EditChipList([](TEditFm& fm) { DoubleClick(fm, 2); });
    EXPECT_EQ(h.dialogs.Texts(),
              (std::vector<std::string>{kSaveQuestion.text,
                                        "Data file has changed. Do you wish to save it?"}));
    EXPECT_FALSE(w->Image.DataChanged);
    EXPECT_TRUE(w->Image.EEPROMData.empty());
}

TEST_F(ChipEditorWindow, MissingFileAndFileWithoutChips) {
    Start(kThreeChips);
    std::filesystem::remove(h.dir / "chipinfo.cid");
    w->Edit1Click();
    EXPECT_EQ(h.dialogs.shown,
              (std::vector<ScriptedDialogs::Shown>{{"error", "chipinfo.cid file is missing"}}));

    h.WriteFile("chipinfo.cid", "; no chips yet\r\n");
    int rows = -1;
    bool headerShown = false;
    EditChipList([&](TEditFm& fm) {
        rows = fm.ChipGrid->rowCount();
        headerShown = fm.ChipGrid->horizontalHeader()->isVisible();
        fm.ChipGridSelectCell(1, 0); // nothing there: nothing happens
        fm.ChipGridDblClick();
    });
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(headerShown);
    EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

TEST_F(ChipEditorWindow, AnInstalledCopyKeepsTheEditedListInTheUsersFolder) {
    const std::string config = h.InstalledCopy();
    Start(kThreeChips);
    h.dialogs.answers = {Dialogs::Answer::Yes};
    EditChipList([](TEditFm& fm) { DoubleClick(fm, 2); });
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), kThreeChips);
    std::string expected = kThreeChips;
    expected.replace(expected.rfind("INCLUDE=N"), 9, "INCLUDE=Y");
    EXPECT_EQ(ReadWholeFile(config + "chipinfo.cid"), expected);
    EXPECT_EQ(w->ChipSelect->count(), 3);
    // The next edit starts from the user's list.
    QString flag;
    EditChipList([&flag](TEditFm& fm) { flag = fm.ChipGrid->item(2, 1)->text(); });
    EXPECT_EQ(flag, "Y");
}

TEST_F(ChipEditorWindow, ASecondCloseWhileTheQuestionIsOpenAsksNothingMore) {
    Start(kThreeChips);
    int questions = 0;
    h.dialogs.whileOpen = [this, &questions](const ScriptedDialogs::Shown& box) {
        if (box == kSaveQuestion && ++questions == 1)
            w->EditFm->close();
    };
    h.dialogs.answers = {Dialogs::Answer::Yes};
    EditChipList([](TEditFm& fm) { DoubleClick(fm, 2); });
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(w->EditFm->isVisible());
    EXPECT_EQ(w->ChipSelect->count(), 3);
}
