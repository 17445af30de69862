// Options > Upgrade: the board's own firmware chip is programmed from the
// style's upgrade image.
#include "main_window_harness.h"

#include "app/fuse_edit_fm.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include <filesystem>

#include <gtest/gtest.h>

namespace {
// Sixteen words 0x0000..0x000F, a blank word, and ID 1234.
std::string UpgradeHex() {
    return ":1000000000000100020003000400050006000700D4\r\n"
           ":10001000080009000A000B000C000D000E000F0084\r\n"
           ":02002000FF3FA0\r\n"
           ":084000000100020003000400AE\r\n"
           ":00000001FF\r\n";
}

class Upgrade : public ::testing::Test {
protected:
    Upgrade() : h(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
    TestWindow& Start() {
        TestWindow& w = h.Start();
        h.dialogs.shown.clear();
        return w;
    }
    MainWindowHarness h;
};

TEST_F(Upgrade, TheChipMustBeOnTheList) {
    h.CopyShippedChipFile();
    std::string chips = h.ReadFile("chipinfo.cid");
    chips.replace(chips.find("CHIPNAME=16F628\r"), 15, "CHIPNAME=16F62X");
    h.WriteFile("chipinfo.cid", chips);
    TestWindow& w = Start();
    std::filesystem::current_path("/");
    w.Upgrade1Click();
    ASSERT_EQ(h.dialogs.Texts(), std::vector<std::string>{"Error: Upgrade chip missing from Chip "
                                                          "Selector.\r\rPlease use OPTIONS -> "
                                                          "Edit Chip List to include 16F628."});
    EXPECT_EQ(w.StatusLabel->text(), "Ready");
}

TEST_F(Upgrade, AMissingImageIsReported) {
    h.CopyShippedChipFile();
    TestWindow& w = Start();
    w.Upgrade1Click();
    EXPECT_EQ(h.dialogs.Texts(),
              std::vector<std::string>{"Error: Corrupt or missing upgrade file"});
    EXPECT_EQ(w.ChipSelect->currentText(), "16F628");
    EXPECT_FALSE(w.Bench().UpgradeLoaded());
}

TEST_F(Upgrade, TheImageIsUnscrambledAndProgrammedOrDropped) {
    h.CopyShippedChipFile();
    h.WriteFile("birchaugd.hex", UpgradeHex());
    TestWindow& w = Start();
    h.dialogs.answers.push_back(Dialogs::Answer::Yes);
    // The image is found in the program folder whatever folder is current, and
    // the current folder is left alone.
    const std::filesystem::path root = std::filesystem::current_path().root_path();
    std::filesystem::current_path(root);
    w.Upgrade1Click();
    EXPECT_EQ(std::filesystem::current_path(), root);
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>{"Please insert 16F628 as per screen "
                                                          "graphic.\r\rDo you wish to continue?"});
    EXPECT_TRUE(w.Bench().UpgradeLoaded());
    EXPECT_EQ(w.Image.ROMData[1], 1 ^ 0x5C);
    EXPECT_EQ(w.Image.ROMData[15], 0x3FFF); // word 16 moved up; word 15 left
    EXPECT_EQ(w.Image.ROMData[2047], 0x1234); // the chip's last word: it is written
    EXPECT_EQ(w.Image.FuseValue[1], 0x32A);
    EXPECT_EQ(w.FuseEditFM->IDText(), "FFFF");
    EXPECT_EQ(w.CodeScroll->maximum(), 0);
    EXPECT_EQ(w.windowTitle().toStdString(), "Kitwerk Birch-A v030403 ");
    EXPECT_TRUE(w.Bench().Busy()); // the Program has started
    // However the operation ends, the upgrade image goes with it.
    w.Bench().ReturnToIdle(true);
    EXPECT_FALSE(w.Bench().UpgradeLoaded());
    EXPECT_TRUE(w.Image.ROMData.empty());

    h.dialogs.answers.push_back(Dialogs::Answer::No);
    w.Upgrade1Click();
    EXPECT_TRUE(w.Image.ROMData.empty());
    EXPECT_TRUE(w.Bench().UpgradeLoaded()); // until the next end of an operation
    EXPECT_TRUE(h.Close());
    EXPECT_NE(h.ReadFile("pro.dat").find("\r\n" + h.programDir + "\r\n"), std::string::npos);
}
} // namespace
