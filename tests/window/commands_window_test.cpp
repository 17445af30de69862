#include "main_window_harness.h"

#include "app/small_dialogs_fm.h"
#include "platform/help_viewer_qt.h"
#include "ui/app_identity.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Help, OpensOnlyWhileNoBoardIsAwaitedAndClosesWithTheProgram) {
    MainWindowHarness h("help");
    TestWindow& w = h.Start();
    ASSERT_TRUE(w.Timer1->isActive()); // the start-up reset waits for the board
    w.Contents1->trigger();
    EXPECT_TRUE(h.help->shown.empty());

    w.Bench().ReturnToIdle(true);
    const std::filesystem::path elsewhere = std::filesystem::temp_directory_path();
    w.Image.HexFileName = (elsewhere / "blink.hex").string();
    w.Contents1->trigger();
    EXPECT_EQ(h.help->shown, (std::vector<std::string>{h.programDir + "tessaro.html"}));
    EXPECT_EQ(std::filesystem::current_path(),
              std::filesystem::path(w.Image.HexFileName).parent_path());
    EXPECT_TRUE(h.help->open);
    EXPECT_TRUE(h.Close());
    EXPECT_FALSE(h.help->open);
}

TEST(Help, TheViewerShowsTheProgramFolderCopyOrTheBuiltInOne) {
    QtHelpViewer viewer;
    viewer.OpenContents("/nonexistent/tessaro.html");
    HelpWindow* fm = viewer.Window();
    ASSERT_NE(fm, nullptr);
    EXPECT_EQ(fm->HelpText->source(), QUrl("qrc:/help/tessaro.html"));
    const QString text = fm->HelpText->toPlainText();
    for (const char* topic : {"Connecting a board", "dialout", "rfc2217://", "Choosing a chip",
                              "Loading and saving HEX files", "Programming", "Verifying",
                              "Reading a chip", "Blank check and erase", "Fuses and ID",
                              "Calibration", "Automatic mode", "tessaro-boardsim"})
        EXPECT_TRUE(text.contains(topic)) << topic;
    // Screen readers are offered a read-only document whose text they can browse.
    QAccessibleInterface* document = QAccessible::queryAccessibleInterface(fm->HelpText);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->role(), QAccessible::Document);
    EXPECT_TRUE(document->state().readOnly);
    ASSERT_NE(document->textInterface(), nullptr);
    EXPECT_EQ(document->textInterface()->text(0, document->textInterface()->characterCount()),
              text);
    EXPECT_TRUE(fm->isVisible());
    QTest::keyClick(fm, Qt::Key_Escape);
    EXPECT_FALSE(fm->isVisible());

    // A copy in the program folder is what is shown.
    MainWindowHarness folder("helpfile");
    folder.WriteFile("tessaro.html", "<h1>Local help</h1>");
    viewer.OpenContents(folder.programDir + "tessaro.html");
    EXPECT_EQ(fm->HelpText->toPlainText(), "Local help");
    viewer.Quit();
    EXPECT_FALSE(fm->isVisible());
}

TEST(Desktop, TheProgramNamesTheDesktopFileItIsInstalledWith) {
    IdentifyApplication();
    const QString name = QGuiApplication::desktopFileName();
    EXPECT_EQ(name, "org.tessaro.Tessaro");
    EXPECT_TRUE(QFile::exists(QString(TESSARO_SOURCE_DIR) + "/packaging/" + name + ".desktop"));
}

TEST(FlyWindow, ItsButtonsAreEnabledExactlyWhenTheMainOnesAre) {
    MainWindowHarness h("flyenable");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.Bench().ReturnToIdle(true);
    EXPECT_TRUE(w.FlyForm->ProgButt->isEnabled());
    EXPECT_FALSE(w.FlyForm->VerfButt->isEnabled()); // no chip yet
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F84A"));
    w.ChipSelectChange();
    EXPECT_TRUE(w.FlyForm->VerfButt->isEnabled());
    // An operation under way disables the panel, and with it the fly window's
    // buttons: a second click cannot start the operation again.
    w.DisableUserButtons();
    EXPECT_FALSE(w.FlyForm->ProgButt->isEnabled());
    EXPECT_FALSE(w.FlyForm->VerfButt->isEnabled());
    w.Bench().ReturnToIdle(true);
    EXPECT_TRUE(w.FlyForm->ProgButt->isEnabled() && w.FlyForm->VerfButt->isEnabled());
}

TEST(EnableRules, CommandsThatNeedAChipStayOffWithoutOne) {
    MainWindowHarness h("enable");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.Bench().ReturnToIdle(true);
    auto chipCommandsOn = [&w] {
        return w.SaveButt->isEnabled() || w.ReadButt->isEnabled() || w.VerfButt->isEnabled() ||
               w.OscalButt->isEnabled() || w.FuseButt->isEnabled() || w.Save1->isEnabled() ||
               w.Read1->isEnabled() || w.Verify1->isEnabled() || w.OSCAL1->isEnabled() ||
               w.FlyWindow1->isEnabled();
    };
    // User mode on and off again, with no chip chosen.
    w.ElmItem->trigger();
    ASSERT_TRUE(w.User1->isVisible());
    w.User1->trigger();
    EXPECT_TRUE(w.RunButt->isEnabled() && w.Run1->isEnabled());
    EXPECT_EQ(w.RunButt->text(), "Ru&n"); // user mode's caption keeps the Alt key
    EXPECT_FALSE(w.ChipSelect->isEnabled());
    w.User1->trigger();
    EXPECT_FALSE(chipCommandsOn());
    EXPECT_FALSE(w.RunButt->isEnabled());

    // A chip with a calibration word, then a style change that clears the choice.
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("12F675"));
    w.ChipSelectChange();
    EXPECT_TRUE(w.OscalButt->isEnabled() && w.OSCAL1->isEnabled());
    w.CedarItem->trigger();
    EXPECT_EQ(w.ChipSelect->currentIndex(), -1);
    EXPECT_FALSE(chipCommandsOn());
    EXPECT_FALSE(w.RunButt->isVisible() || w.User1->isVisible());
    EXPECT_TRUE(w.ICSPMode1->isEnabled());
}
