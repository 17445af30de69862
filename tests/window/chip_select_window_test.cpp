#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"
#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

namespace {
int IndexOf(TestWindow& w, const char* name) {
    return w.Bench().FindChip(name);
}

void Choose(TestWindow& w, int index) {
    w.ChipSelect->setCurrentIndex(index);
    w.ChipSelectChange();
}

bool ShowsPicture(TestWindow& w, const std::string& name) {
    return w.SocketImage->canvas == LoadSocketPicture(name).convertToFormat(QImage::Format_RGB32);
}

std::string ProDat(int count, int index, const std::string& name, int style = 1) {
    return "1\r\n\r\n" + std::to_string(count) + "\r\n" + std::to_string(index) + "\r\n" + name +
           "\r\nT\r\nF\r\n" + std::to_string(style) + "\r\n";
}
} // namespace

TEST(ChipSelect, EveryShippedChipAppliesItsRecordEnableRulesAndSocket) {
    MainWindowHarness h("select-all");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    // The start-up reset waits for a greeting that no board sends; its watchdog
    // would report it while a fuse editor below is open.
    w.Timer1->stop();
    ASSERT_GE(w.ChipSelect->count(), 20);
    EXPECT_TRUE(ShowsPicture(w, "SOCKETS"));
    double slowestMs = 0;
    for (int i = 0; i < w.ChipSelect->count(); ++i) {
        SCOPED_TRACE(w.ChipSelect->itemText(i).toStdString());
        const int clicksBefore = h.sound->clicks;
        const auto t0 = std::chrono::steady_clock::now();
        Choose(w, i);
        slowestMs = std::max(slowestMs, std::chrono::duration<double, std::milli>(
                                            std::chrono::steady_clock::now() - t0)
                                            .count());
        const ChipRecord& c = w.Chip;
        EXPECT_EQ(c.ChipName, w.ChipSelect->itemText(i).toStdString());
        const int expectedMask = c.CoreType == 0                        ? 0xFF
                                 : (c.CoreType == 1 || c.CoreType == 2) ? 0xFFFF
                                 : c.CoreType == 4                      ? 0xFFF
                                                                        : 0x3FFF;
        EXPECT_EQ(c.WordMask, expectedMask);
        EXPECT_EQ(c.CalFlags, (c.CalWord ? 1 : 0) | (c.BandGap ? 2 : 0));
        EXPECT_EQ(w.FuseButt->isEnabled(), c.CoreType != 0);
        EXPECT_EQ(w.OscalButt->isEnabled(), c.CalWord && c.CoreType >= 4 && c.CoreType <= 9);
        EXPECT_EQ(w.OSCAL1->isEnabled(), w.OscalButt->isEnabled());
        EXPECT_TRUE(w.SaveButt->isEnabled() && w.ReadButt->isEnabled() && w.VerfButt->isEnabled());
        EXPECT_TRUE(w.FlyWindow1->isEnabled());
        EXPECT_TRUE(w.Image.ROMData.empty());
        EXPECT_EQ(w.Image.HexFileName, h.programDir);
        EXPECT_EQ(w.FuseEditFM->IDText(), c.IsWide() ? "FFFFFFFF" : "FFFF");
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(w.Image.FuseValue[k], c.FuseBlank[k]);
        EXPECT_TRUE(ShowsPicture(w, SocketPictureName(c.SocketLayout, w.Bench().Style())));
        EXPECT_EQ(h.sound->clicks, clicksBefore + 1);
        EXPECT_EQ(w.PCBlabel->text(), "A"); // Birch_A
        EXPECT_EQ(w.StatusLabel->text(), "Ready");

        // The fuse editor opens for the chip, and Cancel leaves the words as they were.
        if (w.FuseButt->isEnabled()) {
            const auto words = w.Image.FuseValue;
            QTimer::singleShot(0, w.FuseEditFM, [&] { w.FuseEditFM->reject(); });
            w.FuseButtClick();
            EXPECT_EQ(w.Image.FuseValue, words);
        }
    }
    std::printf("[ measure  ] slowest chip selection in the window: %.2f ms\n", slowestMs);
    EXPECT_TRUE(h.dialogs.shown.size() == 1u); // only the port message of the start-up
}

TEST(ChipSelect, ICSPModeShowsTheHeaderForEveryChipAndNeedsAChip) {
    MainWindowHarness h("icsp");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.ICSPMode1Click();
    EXPECT_EQ(h.dialogs.shown.back(),
              (ScriptedDialogs::Shown{"information", "Please select a chip"}));
    EXPECT_FALSE(w.ICSPMode1->isChecked());

    Choose(w, IndexOf(w, "16F84A"));
    w.ICSPMode1Click();
    EXPECT_TRUE(w.ICSPMode1->isChecked());
    EXPECT_EQ(w.ICSPLabel->text(), "ICSP");
    EXPECT_TRUE(ShowsPicture(w, "ICSP"));
    EXPECT_TRUE(w.PCBlabel->isHidden());
    Choose(w, IndexOf(w, "18F452"));
    EXPECT_TRUE(ShowsPicture(w, "ICSP"));
    w.ICSPMode1Click();
    EXPECT_EQ(w.ICSPLabel->text(), "");
    EXPECT_TRUE(ShowsPicture(w, "PIN40"));
    EXPECT_FALSE(w.PCBlabel->isHidden());
}

TEST(ChipSelect, ChangingChipAsksToSaveChangedDataThenEmptiesTheImage) {
    MainWindowHarness h("savequery");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    Choose(w, IndexOf(w, "16F84A"));
    w.Image.ROMData.assign(1025, 16383);
    w.Image.DataChanged = true;
    h.dialogs.answers = {Dialogs::Answer::No};
    Choose(w, IndexOf(w, "16F628"));
    EXPECT_EQ(
        h.dialogs.shown.back(),
        (ScriptedDialogs::Shown{"question", "Data file has changed. Do you wish to save it?"}));
    EXPECT_EQ(h.dialogs.shown[h.dialogs.shown.size() - 2].kind, "beep");
    EXPECT_EQ(w.Chip.ChipName, "16F628");
    EXPECT_TRUE(w.Image.ROMData.empty());
    EXPECT_FALSE(w.Image.DataChanged);
}

TEST(ChipSelect, LastChipIsRestoredOnlyWhenTheChipListIsUnchanged) {
    const int kIndexOf628 = [] {
        MainWindowHarness probe("restore-probe");
        probe.CopyShippedChipFile();
        return probe.Start().Bench().FindChip("16F628");
    }();
    ASSERT_GE(kIndexOf628, 0);
    int count = 0;
    {
        MainWindowHarness h("restore");
        h.CopyShippedChipFile();
        count = h.Start().ChipSelect->count();
    }
    {
        MainWindowHarness h("restore-ok");
        h.CopyShippedChipFile();
        h.WriteFile("pro.dat", ProDat(count, kIndexOf628, "16F628"));
        TestWindow& w = h.Start();
        EXPECT_EQ(w.ChipSelect->currentIndex(), kIndexOf628);
        EXPECT_EQ(w.Chip.ChipName, "16F628");
        EXPECT_EQ(w.Chip.ROMSize, 0x800);
        EXPECT_TRUE(w.FuseButt->isEnabled());
        EXPECT_TRUE(h.Close());
        EXPECT_NE(
            h.ReadFile("pro.dat").find("\r\n" + std::to_string(kIndexOf628) + "\r\n16F628\r\n"),
            std::string::npos);
    }
    {
        MainWindowHarness h("restore-count");
        h.CopyShippedChipFile();
        h.WriteFile("pro.dat", ProDat(count + 1, kIndexOf628, "16F628"));
        EXPECT_EQ(h.Start().ChipSelect->currentIndex(), -1);
    }
    {
        MainWindowHarness h("restore-case");
        h.CopyShippedChipFile();
        h.WriteFile("pro.dat", ProDat(count, kIndexOf628, "16f628"));
        EXPECT_EQ(h.Start().ChipSelect->currentIndex(), -1);
    }
    {
        // A chip named on the command line replaces the saved one, upper-cased.
        MainWindowHarness h("restore-args");
        h.CopyShippedChipFile();
        h.WriteFile("pro.dat", ProDat(count, 0, "24C02"));
        TestWindow& w = h.Start({"x.HEX", "16f628"});
        EXPECT_EQ(w.Chip.ChipName, "16F628");
        EXPECT_EQ(w.Image.HexFileName, h.programDir); // ".HEX" is not taken as a file
    }
    {
        // Without a settings file the named chip is not selected.
        MainWindowHarness h("restore-args-nofile");
        h.CopyShippedChipFile();
        TestWindow& w = h.Start({"x.hex", "16f628"});
        EXPECT_EQ(w.ChipSelect->currentIndex(), -1);
        EXPECT_EQ(w.Image.HexFileName, "x.hex");
    }
}

TEST(ChipSelect, ABrokenChipFileIsReportedAndSelectsNothing) {
    MainWindowHarness h("broken");
    h.WriteFile("chipinfo.cid", "\r\nCHIPNAME=16F84A\r\n");
    TestWindow& w = h.Start({"x.hex", "16f84a"});
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(
        h.dialogs.shown[1],
        (ScriptedDialogs::Shown{"error", "Chip configuration file contains syntax errors.\r\r"}));
    EXPECT_EQ(w.ChipSelect->count(), 0);
    EXPECT_EQ(w.Image.HexFileName, h.programDir); // the command line is not taken
}

TEST(ChipSelect, AMissingChipFileIsReported) {
    MainWindowHarness h("missing");
    h.Start();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[1],
              (ScriptedDialogs::Shown{"error",
                                      "Chip configuration file is missing or contains no data"}));
}

// Pictures of what a user sees: a chip of each socket number and two fuse
// editors. They go to the folder TESSARO_SCREENSHOTS names, else to the test's own.
TEST(ChipSelect, ScreenshotsShowTheWholeWindow) {
    MainWindowHarness h("shots");
    h.CopyShippedChipFile();
    const char* env = std::getenv("TESSARO_SCREENSHOTS");
    const QString folder = env ? QString(env) : QString::fromStdString(h.dir.string());
    TestWindow& w = h.Start();
    for (const char* chip : {"12F675", "16F628A", "16F876A", "18F452", "16F676", "24C02"}) {
        Choose(w, IndexOf(w, chip));
        const QPixmap shot = w.grab();
        EXPECT_EQ(shot.size(), w.size());
        EXPECT_TRUE(shot.save(QString("%1/main_%2.png").arg(folder, chip)));
    }
    for (const char* chip : {"16F877A", "18F452", "18F4550"}) {
        Choose(w, IndexOf(w, chip));
        w.FuseEditFM->show();
        const QPixmap shot = w.FuseEditFM->grab();
        EXPECT_EQ(shot.size(), QSize(604, 384));
        EXPECT_TRUE(shot.save(QString("%1/fuses_%2.png").arg(folder, chip)));
        w.FuseEditFM->hide();
    }
}
