#include "main_window_harness.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const std::string kPortProblem = "There appears to be a problem accessing the COM Port";
}

TEST(Startup, FirstRunInAnEmptyFolderReportsThePortAndWritesEightLines) {
    MainWindowHarness h("firstrun");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    EXPECT_FALSE(w.StartupPending());
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown[0], (ScriptedDialogs::Shown{"error", kPortProblem}));
    EXPECT_EQ(w.ComLabel->text(), "COM x");
    EXPECT_EQ(w.Bench().Style(), 1);
    EXPECT_TRUE(w.BirchAItem->isChecked());
    EXPECT_EQ(w.windowTitle(), "Kitwerk Birch-A v030403 ");
    EXPECT_EQ(w.ChipSelect->currentIndex(), -1);
    EXPECT_EQ(h.sleptMs, 1000);        // the reset pulse
    EXPECT_TRUE(w.Timer1->isActive()); // awaiting the board's greeting
    EXPECT_EQ(w.StatusLabel->text(), "Resetting Tessaro...");

    // 1.5 s of silence: the reset failed, with no port open.
    for (int i = 0; i < 15; ++i)
        w.Timer1Timer();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[1].text,
              "Reset failed. Please check...\r\rCommunications port, currently [ None ]\r"
              "Board connections and power\rMode =  [ Birch_A ], does your programmer board "
              "match this setting?");
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.StatusLabel->text(), "Ready");

    EXPECT_TRUE(h.Close());
    const std::string proDat = h.ReadFile("pro.dat");
    EXPECT_EQ(proDat, "1\r\n" + h.programDir + "\r\n" + std::to_string(w.ChipSelect->count()) +
                          "\r\n-1\r\n\r\nT\r\nF\r\n1\r\n");
}

TEST(Startup, SettingsOfTheLastSessionAreApplied) {
    MainWindowHarness h("settings");
    h.WriteFile("pro.dat", "7\r\n/nowhere/x.hex\r\n0\r\n-1\r\n\r\nF\r\nF\r\n3\r\n");
    TestWindow& w = h.Start();
    EXPECT_EQ(w.Bench().Style(), 3);
    EXPECT_TRUE(w.CedarItem->isChecked());
    EXPECT_FALSE(w.BirchAItem->isChecked());
    EXPECT_FALSE(w.AdviseNewerFileLoad1->isChecked());
    EXPECT_EQ(w.Bench().ResetIdleLevel(), 0);
    EXPECT_EQ(w.windowTitle(), "Kitwerk Cedar v030403 ");
    EXPECT_TRUE(w.ICSPMode1->isEnabled());
    EXPECT_FALSE(w.User1->isVisible());
    EXPECT_EQ(w.Image.HexFileName, h.programDir); // the last file is gone
    EXPECT_TRUE(h.Close());
    EXPECT_EQ(h.ReadFile("pro.dat").substr(0, 3), "7\r\n"); // the port number is kept
}

TEST(Startup, ElmStyleShowsItsOwnItemsAndDisablesICSP) {
    MainWindowHarness h("elm");
    h.WriteFile("pro.dat", "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n12\r\n");
    TestWindow& w = h.Start();
    EXPECT_EQ(w.windowTitle(), "Tessaro v030403 ");
    EXPECT_TRUE(w.ElmItem->isChecked());
    EXPECT_FALSE(w.ICSPMode1->isEnabled());
    EXPECT_TRUE(w.User1->isVisible());
    EXPECT_TRUE(w.RunWarning->isVisible());
    EXPECT_TRUE(w.Run1->isVisible());
    EXPECT_FALSE(w.RunButt->isHidden());
    EXPECT_TRUE(h.Close());
    // A style number outside the table is kept as it was read.
    EXPECT_NE(h.ReadFile("pro.dat").find("\r\n12\r\n"), std::string::npos);
}

TEST(Startup, AnUnwritableProgramFolderStillCloses) {
    MainWindowHarness h("readonly");
    TestWindow& w = h.Start();
    (void)w;
    std::filesystem::permissions(h.dir, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_exec);
    if (!testplatform::ReadOnlyFoldersStopThisProgram()) {
        // root writes anywhere (and on Windows anyone does); make the target a
        // folder so the rename fails instead.
        std::filesystem::permissions(h.dir, std::filesystem::perms::owner_all);
        std::filesystem::create_directory(h.dir / "pro.dat");
        std::filesystem::create_directory(h.dir / "pro.dat" / "keep");
    }
    const size_t before = h.dialogs.shown.size();
    EXPECT_TRUE(h.Close());
    ASSERT_EQ(h.dialogs.shown.size(), before + 1);
    EXPECT_EQ(h.dialogs.shown.back().kind, "error");
    EXPECT_EQ(h.dialogs.shown.back().text.rfind(
                  "The settings could not be saved to " + h.programDir + "pro.dat:\r", 0),
              0u);
}
