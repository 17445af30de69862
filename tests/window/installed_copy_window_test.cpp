// A program folder shared by all users: each user's files go to the user's
// configuration folder, and nothing is written beside the program.
#include "main_window_harness.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {
bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}
} // namespace

TEST(InstalledCopy, SettingsAreKeptInTheUsersConfigFolder) {
    MainWindowHarness h("installed");
    h.CopyShippedChipFile();
    const std::string config = h.InstalledCopy();
    TestWindow& first = h.Start();
    first.ChipSelect->setCurrentIndex(2);
    first.ChipSelectChange();
    const QString chip = first.ChipSelect->currentText();
    const size_t shown = h.dialogs.shown.size();
    EXPECT_TRUE(h.Close());
    EXPECT_EQ(h.dialogs.shown.size(), shown); // no settings error
    EXPECT_FALSE(Exists(h.programDir + "pro.dat"));
    ASSERT_TRUE(Exists(config + "pro.dat"));

    // Started again from another folder, the chip of the last session is back.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    TestWindow& second = h.Start();
    EXPECT_EQ(second.ChipSelect->currentText(), chip);
}

TEST(InstalledCopy, AnEditedChipFileInTheConfigFolderIsPreferred) {
    MainWindowHarness h("installed-cid");
    h.CopyShippedChipFile();
    const std::string config = h.InstalledCopy();
    const size_t shipped = h.Start().ChipSelect->count();
    const std::string original = h.ReadFile("chipinfo.cid");
    std::string edited = original;
    const size_t include = edited.find("INCLUDE=Y");
    ASSERT_NE(include, std::string::npos);
    edited.replace(include, 9, "INCLUDE=N");
    ASSERT_EQ(WriteUserFile(EditedChipFilePath(h.window->Bench().Places()), edited), "");
    EXPECT_EQ(static_cast<size_t>(h.Start().ChipSelect->count()), shipped - 1);
    EXPECT_EQ(h.ReadFile("chipinfo.cid"), original);
}
