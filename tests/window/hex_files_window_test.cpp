#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"
#include "ui/image_canvas.h"
#include "ui/status_label.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>

#include <chrono>
#include <cstdio>

#include <gtest/gtest.h>

namespace {
// Words 0x3FFF 0x0041 at address 0, EEPROM byte 0x7F at 0, configuration 0x3FFB.
const char* const kSmallHex = ":040000004100FF3F7D\r\n"
                              ":024200007F003D\r\n"
                              ":02400E00FB3F76\r\n"
                              ":00000001FF\r\n";

void Choose(TestWindow& w, const char* chip) {
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip(chip));
    w.ChipSelectChange();
}

class HexWindow : public ::testing::Test {
protected:
    HexWindow() : h(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        h.CopyShippedChipFile();
        w = &h.Start();
        h.dialogs.shown.clear();
    }
    std::string Path(const char* name) const { return h.programDir + name; }
    MainWindowHarness h;
    TestWindow* w = nullptr;
};
} // namespace

TEST_F(HexWindow, LoadNeedsAChip) {
    w->LoadButtClick();
    w->Merge1Click();
    w->SaveButtClick();
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>(3, "Please select a chip"));
}

TEST_F(HexWindow, LoadFillsTheImageCaptionAndListing) {
    Choose(*w, "16F84A");
    h.WriteFile("blink.hex", kSmallHex);
    h.dialogs.files = {Path("blink.hex")};
    w->LoadButtClick();
    EXPECT_EQ(h.dialogs.shown.back().kind, "open");
    EXPECT_EQ(w->Image.ROMData.size(), 0x401u);
    EXPECT_EQ(w->Image.ROMData[0], 0x41);
    EXPECT_EQ(w->Image.ROMData[1], 0x3FFF);
    EXPECT_EQ(w->Image.EEPROMData[0], 0x7F);
    EXPECT_EQ(w->Image.FuseValue[1], 0x3FFB);
    EXPECT_EQ(w->Image.HexFileName, Path("blink.hex"));
    EXPECT_GT(w->Image.HexFileDate, 0);
    EXPECT_TRUE(w->windowTitle().endsWith("  <blink.hex>"));
    // 1 + 128 + 1 + 1 + 8 lines; the page shows the ROM header in red at the top.
    EXPECT_EQ(w->CodeLines.size(), 139u);
    EXPECT_EQ(w->CodeLines[1].substr(0, 16), "0000: 0041 3FFF ");
    EXPECT_EQ(w->CodeScroll->maximum(), 139 - 16);
    const QImage& page = w->CodeImage->canvas;
    const QPalette& colours = w->CodeImage->palette();
    EXPECT_EQ(page.pixel(10, 100), colours.color(QPalette::Midlight).rgb()); // the address gutter
    EXPECT_EQ(page.pixel(42, 100), colours.color(QPalette::Light).rgb());
    EXPECT_EQ(page.pixel(43, 100), colours.color(QPalette::Mid).rgb());
    EXPECT_EQ(w->StatusLabel->text(), "Ready");
    EXPECT_EQ((std::filesystem::current_path() / "").string(), h.programDir);

    // Scrolling draws another page over the first.
    const QImage first = page.copy();
    w->CodeScroll->setValue(5);
    EXPECT_NE(w->CodeImage->canvas, first);
    w->CodeImage->grab().save(QString::fromStdString(h.programDir + "listing.png"));

    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i)
        w->CodeScroll->setValue(i);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    std::printf("[ measure  ] one listing page drawn in %.3f ms\n", ms / 100);
}

TEST_F(HexWindow, ABadLineIsReportedAndTheCaptionKeepsNoName) {
    Choose(*w, "16F84A");
    h.WriteFile("bad.hex", ":040000004100FF3F7D\r\n:02000000410000\r\n");
    h.dialogs.files = {Path("bad.hex")};
    w->LoadButtClick();
    EXPECT_EQ(h.dialogs.shown.back(),
              (ScriptedDialogs::Shown{"error", "Error in HEX file - line 1"}));
    EXPECT_FALSE(w->windowTitle().contains("<"));
    EXPECT_EQ(w->Image.HexFileName, h.programDir);
}

// A file made for a larger chip loads what fits and says in the status line
// what did not, instead of letting the rest vanish; no box interrupts.
TEST_F(HexWindow, LoadSaysWhatOfTheFileLiesOutsideTheChip) {
    Choose(*w, "16F84A");
    h.WriteFile("big.hex", ":020000004110AD\r\n:020800004110A5\r\n:00000001FF\r\n");
    h.dialogs.files = {Path("big.hex")};
    w->LoadButtClick();
    EXPECT_EQ(w->Image.ROMData[0], 0x1041);
    EXPECT_EQ(w->StatusLabel->text(),
              "2 bytes of big.hex lie outside 16F84A's memory and were not loaded");
    EXPECT_EQ(h.dialogs.shown.size(), 1u); // the open dialog alone
    // Too long for the status line: its start is shown, and all of it as the tooltip.
    auto* status = qobject_cast<TStatusLabel*>(w->StatusLabel);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->Cut());
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), status->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(status, &tip);
    EXPECT_EQ(QToolTip::text(), status->text());

    h.dialogs.files = {Path("blink.hex")};
    h.WriteFile("blink.hex", kSmallHex);
    w->LoadButtClick();
    EXPECT_EQ(w->StatusLabel->text(), "Ready");
    EXPECT_FALSE(status->Cut());
}

TEST_F(HexWindow, AFolderOrMissingFileLoadsNothingQuietly) {
    Choose(*w, "16F84A");
    EXPECT_FALSE(w->Bench().OpenFile(h.programDir));
    EXPECT_FALSE(w->Bench().OpenFile(Path("gone.hex")));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(HexWindow, MergeRightAfterAChipChangeKeepsAllTheFileData) {
    Choose(*w, "16F84A");
    h.WriteFile("part.hex", ":02001000AA0044\r\n:00000001FF\r\n");
    h.dialogs.files = {Path("part.hex")};
    w->Merge1Click();
    ASSERT_EQ(w->Image.ROMData.size(), 0x401u);
    EXPECT_EQ(w->Image.ROMData[8], 0xAA);
    EXPECT_EQ(w->Image.ROMData[0], 0x3FFF);
}

TEST_F(HexWindow, SaveWritesTheFileAndMakesItCurrent) {
    Choose(*w, "16F84A");
    h.WriteFile("blink.hex", kSmallHex);
    ASSERT_TRUE(w->Bench().OpenFile(Path("blink.hex")));
    w->Image.DataChanged = true;
    h.dialogs.files = {Path("copy.hex")};
    w->SaveButtClick();
    EXPECT_EQ(h.dialogs.lastFileName, "*.hex");
    EXPECT_EQ(w->StatusLabel->text(), "Program Ready");
    EXPECT_FALSE(w->Image.DataChanged);
    EXPECT_EQ(w->Image.HexFileName, Path("copy.hex"));
    EXPECT_TRUE(w->windowTitle().endsWith("  <copy.hex>"));
    const std::string saved = h.ReadFile("copy.hex");
    EXPECT_EQ(saved.substr(0, 45), ":100000004100FF3FFF3FFF3FFF3FFF3FFF3FFF3FFD\r\n");

    // Loading the saved file gives the same image back.
    const auto rom = w->Image.ROMData;
    const auto eeprom = w->Image.EEPROMData;
    ASSERT_TRUE(w->Bench().OpenFile(Path("copy.hex")));
    EXPECT_EQ(w->Image.ROMData, rom);
    EXPECT_EQ(w->Image.EEPROMData, eeprom);
    EXPECT_EQ(w->Image.FuseValue[1], 0x3FFB);

    // The next save dialog offers the name chosen last.
    h.dialogs.files = {""};
    w->SaveButtClick();
    EXPECT_EQ(h.dialogs.lastFileName, "copy.hex");
}

TEST_F(HexWindow, NothingToSaveAndAFailedSaveKeepsTheOldFile) {
    Choose(*w, "16F84A");
    w->SaveButtClick();
    EXPECT_EQ(h.dialogs.shown.back(), (ScriptedDialogs::Shown{"information", "Nothing to save"}));

    h.WriteFile("blink.hex", kSmallHex);
    ASSERT_TRUE(w->Bench().OpenFile(Path("blink.hex")));
    std::filesystem::create_directory(h.dir / "taken.hex"); // a folder stands in the way
    std::filesystem::create_directory(h.dir / "taken.hex" / "inside");
    w->Image.DataChanged = true;
    h.dialogs.files = {Path("taken.hex")};
    w->SaveButtClick();
    ASSERT_GE(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[h.dialogs.shown.size() - 2].kind, "beep");
    EXPECT_EQ(
        h.dialogs.shown.back(),
        (ScriptedDialogs::Shown{"error", "A problem occurred while trying to save the HEX file"}));
    EXPECT_TRUE(w->Image.DataChanged);
    EXPECT_EQ(w->Image.HexFileName, Path("blink.hex"));
    EXPECT_TRUE(std::filesystem::is_directory(h.dir / "taken.hex" / "inside"));
}

TEST_F(HexWindow, ANewerFileIsReloadedSilently) {
    Choose(*w, "16F84A");
    h.WriteFile("blink.hex", kSmallHex);
    ASSERT_TRUE(w->Bench().OpenFile(Path("blink.hex")));
    w->Image.ROMData[0] = 0x1234;
    EXPECT_TRUE(w->Bench().ReloadIfNewer()); // same date: nothing to do
    EXPECT_EQ(w->Image.ROMData[0], 0x1234);
    std::filesystem::last_write_time(h.dir / "blink.hex",
                                     std::filesystem::last_write_time(h.dir / "blink.hex") +
                                         std::chrono::hours(1));
    EXPECT_TRUE(w->Bench().ReloadIfNewer());
    EXPECT_EQ(w->Image.ROMData[0], 0x41);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(HexStartup, TheLastFileIsReopenedWithTheLastChip) {
    int index = -1, count = 0;
    {
        MainWindowHarness probe("hexstart-probe");
        probe.CopyShippedChipFile();
        TestWindow& w = probe.Start();
        index = w.Bench().FindChip("16F84A");
        count = w.ChipSelect->count();
    }
    MainWindowHarness h("hexstart");
    h.CopyShippedChipFile();
    h.WriteFile("blink.hex", kSmallHex);
    h.WriteFile("pro.dat", "1\r\n" + h.programDir + "blink.hex\r\n" + std::to_string(count) +
                               "\r\n" + std::to_string(index) + "\r\n16F84A\r\nT\r\nF\r\n1\r\n");
    TestWindow& w = h.Start();
    EXPECT_EQ(w.Chip.ChipName, "16F84A");
    EXPECT_EQ(w.Image.HexFileName, h.programDir + "blink.hex");
    EXPECT_EQ(w.Image.ROMData[0], 0x41);
    EXPECT_TRUE(w.windowTitle().endsWith("  <blink.hex>"));
}

TEST(UserMode, SwitchesToAFixedImageAndBackToTheChip) {
    MainWindowHarness h("usermode");
    h.CopyShippedChipFile();
    h.WriteFile("pro.dat", "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n4\r\n");
    TestWindow& w = h.Start();
    Choose(w, "18F452");
    h.WriteFile("blink.hex", kSmallHex);
    w.Image.HexFileName = h.programDir + "blink.hex";
    const int clicks = h.sound->clicks;
    w.User1->trigger();
    EXPECT_TRUE(w.User1->isChecked());
    EXPECT_EQ(w.Chip.ROMSize, 1024);
    EXPECT_EQ(w.Chip.EEPROMSize, 0);
    EXPECT_EQ(w.Chip.WordMask, 0x3FFF);
    EXPECT_EQ(w.Image.HexFileName, h.programDir + "blink.hex"); // kept
    EXPECT_FALSE(w.ChipSelect->isEnabled());
    EXPECT_FALSE(w.SaveButt->isEnabled());
    EXPECT_TRUE(w.RunButt->isEnabled());
    EXPECT_TRUE(w.LoadButt->isEnabled());
    EXPECT_EQ(h.sound->clicks, clicks + 1);

    w.User1->trigger();
    EXPECT_FALSE(w.User1->isChecked());
    EXPECT_EQ(w.Chip.WordMask, 0xFFFF);
    EXPECT_TRUE(w.ChipSelect->isEnabled());
    EXPECT_FALSE(w.RunButt->isEnabled());
    EXPECT_TRUE(h.Close());
    EXPECT_NE(h.ReadFile("pro.dat").find("\r\nF\r\n4\r\n"), std::string::npos);
}

// Beside the status, the checksum the chip maker's tools show for the image,
// after each load; a serial EEPROM's place is empty and its tooltip says why.
TEST_F(HexWindow, TheChecksumStandsBesideTheStatusAfterALoad) {
    Choose(*w, "16F84A");
    h.WriteFile("blink.hex", kSmallHex);
    h.dialogs.files = {Path("blink.hex")};
    w->LoadButtClick();
    EXPECT_EQ(w->ChecksumLabel->text(), "0xFC3D");
    Choose(*w, "24C02");
    EXPECT_EQ(w->ChecksumLabel->text(), "");
    EXPECT_EQ(w->ChecksumLabel->toolTip(), "none (a serial EEPROM has no checksum)");
}
