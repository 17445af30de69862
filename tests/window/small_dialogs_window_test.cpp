#include "main_window_harness.h"

#include "app/small_dialogs_fm.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(PortDialog, OnlyDigitsPassAndAnEmptyFieldIsRefused) {
    ScriptedDialogs dialogs;
    TPortFm dialog(dialogs);
    dialog.show();
    QTest::keyClick(dialog.PortEdit, Qt::Key_A);
    EXPECT_EQ(dialog.PortEdit->text(), "");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "beep");
    QTest::keyClick(dialog.PortEdit, Qt::Key_3);
    EXPECT_EQ(dialog.PortEdit->text(), "3");
    QTest::keyClick(dialog.PortEdit, Qt::Key_4); // one character at most
    EXPECT_EQ(dialog.PortEdit->text(), "3");
    QTest::keyClick(dialog.PortEdit, Qt::Key_Backspace);
    EXPECT_EQ(dialog.PortEdit->text(), "");
    QTest::keyClick(dialog.PortEdit, Qt::Key_Space);
    EXPECT_EQ(dialogs.shown.size(), 2u); // a second beep
    QTest::keyClick(dialog.PortEdit, Qt::Key_5);
    QTest::keyClick(dialog.PortEdit, Qt::Key_Home);
    QTest::keyClick(dialog.PortEdit, Qt::Key_Delete);
    EXPECT_EQ(dialog.PortEdit->text(), "");
    EXPECT_EQ(dialogs.shown.size(), 2u); // moving and deleting are no wrong keys
    dialog.BitBtn1->click();
    EXPECT_EQ(dialogs.shown.back(), (ScriptedDialogs::Shown{"error", "Invalid port value"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Change");
    QTest::keyClick(dialog.PortEdit, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(FlyWindow, TakesThePlaceOfTheMainWindowUntilClosed) {
    MainWindowHarness h("fly");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    EXPECT_EQ(w.FlyForm->windowTitle(), "Kitwerk Birch-A");
    w.FlyWindow1Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.FlyForm->isVisible());
    EXPECT_TRUE(w.FlyForm->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.FlyForm->size(), QSize(160, 38));
    w.FlyForm->close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.FlyForm->isVisible());
    EXPECT_FALSE(w.FlyForm->Activated);
}

TEST(Toggles, EachInvertsOnlyItsOwnMark) {
    MainWindowHarness h("toggles");
    TestWindow& w = h.Start();
    EXPECT_TRUE(w.AdviseNewerFileLoad1->isChecked());
    w.AdviseNewerFileLoad1->trigger();
    EXPECT_FALSE(w.AdviseNewerFileLoad1->isChecked());
    w.IgnoreBlankCheck1->trigger();
    EXPECT_TRUE(w.IgnoreBlankCheck1->isChecked());
    w.RunWarning->trigger();
    EXPECT_TRUE(w.RunWarning->isChecked());
    EXPECT_FALSE(w.AutoProgram1->isChecked());
    // The end of every operation clears Ignore Blank Check and keeps the others.
    w.Bench().ReturnToIdle(true);
    EXPECT_FALSE(w.IgnoreBlankCheck1->isChecked());
    EXPECT_TRUE(w.RunWarning->isChecked());
    EXPECT_FALSE(w.AdviseNewerFileLoad1->isChecked());
}
