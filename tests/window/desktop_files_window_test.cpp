// Files dropped on the window and remembered in File > Recent Files, and the
// shortcuts and Help entries every desktop program has.
#include "main_window_harness.h"

#include "platform/text_file.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {
// Words 0x0041 0x3FFF at address 0.
const char* const kWordsAt0 = ":040000004100FF3F7D\r\n:00000001FF\r\n";
// The word 0x1234 at address 2.
const char* const kWordAt2 = ":020004003412B4\r\n:00000001FF\r\n";

class FilesWindow : public ::testing::Test {
protected:
    FilesWindow() : h(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        h.CopyShippedChipFile();
        h.WriteFile("a.hex", kWordsAt0);
        h.WriteFile("B.HEX", kWordAt2);
        w = &h.Start();
        w->Timer1->stop();
        h.dialogs.shown.clear();
    }
    void Choose(const char* chip) {
        w->ChipSelect->setCurrentIndex(w->Bench().FindChip(chip));
        w->ChipSelectChange();
    }
    // What a file manager sends when the file is let go over the window.
    bool Drop(const std::string& name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(h.programDir + name))});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, keys);
        QCoreApplication::sendEvent(w, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        keys);
        QCoreApplication::sendEvent(w, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
    std::vector<std::string> RecentCaptions() const {
        std::vector<std::string> captions;
        for (QAction* a : w->RecentFiles1->actions())
            captions.push_back(a->text().toStdString());
        return captions;
    }
    MainWindowHarness h;
    TestWindow* w = nullptr;
};
} // namespace

TEST_F(FilesWindow, ADroppedHexFileLoadsAsLoadDoesAfterTheUnsavedChangesQuestion) {
    EXPECT_FALSE(Drop("notes.txt"));
    EXPECT_TRUE(Drop("a.hex")); // taken, but without a chip it is Load's message
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>{"Please select a chip"});

    Choose("16F84A");
    w->Image.DataChanged = true;
    h.dialogs.shown.clear();
    h.dialogs.answers = {Dialogs::Answer::No};
    EXPECT_TRUE(Drop("B.HEX")); // the extension in any case
    EXPECT_EQ(h.dialogs.Texts(),
              std::vector<std::string>{"Data file has changed. Do you wish to save it?"});
    EXPECT_EQ(w->Image.ROMData[2], 0x1234);
    EXPECT_EQ(w->Image.ROMData[0], 0x3FFF); // a load starts from a blank image
    EXPECT_TRUE(w->windowTitle().endsWith("  <B.HEX>"));

    // Cancel keeps what is there.
    w->Image.DataChanged = true;
    h.dialogs.answers = {Dialogs::Answer::Cancel};
    EXPECT_TRUE(Drop("a.hex"));
    EXPECT_EQ(w->Image.ROMData[2], 0x1234);
}

TEST_F(FilesWindow, ADropWithCtrlHeldMergesWithoutAQuestion) {
    Choose("16F84A");
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "a.hex"));
    w->Image.DataChanged = true;
    h.dialogs.shown.clear();
    EXPECT_TRUE(Drop("B.HEX", Qt::ControlModifier));
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(w->Image.ROMData[0], 0x41);
    EXPECT_EQ(w->Image.ROMData[2], 0x1234);
}

TEST_F(FilesWindow, NoDropAndNoShortcutWhileAnOperationHasTheCommandsOff) {
    Choose("16F84A");
    w->activateWindow();
    QApplication::setActiveWindow(w);
    w->DisableUserButtons();
    EXPECT_FALSE(Drop("a.hex"));
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(w->isVisible());

    w->BackToIdle();
    h.dialogs.files = {""}; // the open dialog, cancelled
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, "open");
    EXPECT_EQ(w->Load1->shortcut().toString(), "Ctrl+O"); // shown beside File > Load
}

TEST_F(FilesWindow, RecentFilesComeBackAfterARestartBesideAnEightLineProDat) {
    Choose("16F84A");
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "a.hex"));
    Choose("16F628A");
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "B.HEX"));
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "a.hex")); // again: to the top, once
    ASSERT_TRUE(h.Close());
    EXPECT_EQ(SplitLines(h.ReadFile("pro.dat")).size(), 8u);
    EXPECT_TRUE(std::filesystem::exists(h.dir / "recent.dat"));

    w = &h.Start();
    w->Timer1->stop();
    EXPECT_EQ(RecentCaptions(),
              (std::vector<std::string>{"&1 a.hex [16F628A]", "&2 B.HEX [16F628A]"}));
    EXPECT_EQ(w->RecentFiles1->actions()[1]->toolTip().toStdString(), h.programDir + "B.HEX");

    // Choosing one takes its chip when the list has it, then loads.
    Choose("16F84A");
    w->RecentFiles1->actions()[1]->trigger();
    EXPECT_EQ(w->ChipSelect->currentText(), "16F628A");
    EXPECT_EQ(w->Image.ROMData[2], 0x1234);
    EXPECT_EQ(w->Image.HexFileName, h.programDir + "B.HEX");
}

TEST_F(FilesWindow, ARecentFileThatIsGoneIsTakenOffTheListWithAMessage) {
    Choose("16F84A");
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "B.HEX"));
    ASSERT_TRUE(w->Bench().OpenFile(h.programDir + "a.hex"));
    std::filesystem::remove(h.dir / "B.HEX");
    h.dialogs.shown.clear();
    w->RecentFiles1->actions()[1]->trigger();
    EXPECT_EQ(h.dialogs.shown,
              (std::vector<ScriptedDialogs::Shown>{
                  {"error", "The file " + h.programDir +
                                "B.HEX is no longer there.\rIt has been taken off the Recent "
                                "Files list."}}));
    EXPECT_EQ(RecentCaptions(), std::vector<std::string>{"&1 a.hex [16F84A]"});
    EXPECT_EQ(w->Image.ROMData[0], 0x41); // what was loaded stays
}

TEST_F(FilesWindow, HelpHasContentsOnF1AndAnAboutBox) {
    EXPECT_EQ(w->Contents1->shortcut(), QKeySequence(QKeySequence::HelpContents));
    w->About1->trigger();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].kind, "information");
    EXPECT_EQ(h.dialogs.shown[0].text.rfind("Tessaro ", 0), 0u);
    EXPECT_NE(h.dialogs.shown[0].text.find(qVersion()), std::string::npos);
}
