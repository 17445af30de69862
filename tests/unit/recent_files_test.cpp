#include "platform/recent_files.h"

#include <gtest/gtest.h>

TEST(RecentFiles, TheNewestEightAreKeptOnceEachNewestFirst) {
    // A hand-edited file: ten entries, one twice, a line without a chip column.
    std::vector<std::string> lines;
    for (int i = 1; i <= 10; ++i)
        lines.push_back("16F84A\t/h/f" + std::to_string(i) + ".hex");
    lines.insert(lines.begin() + 2, "12F675\t/h/f1.hex"); // older than the first
    lines.insert(lines.begin() + 1, "no tab here");
    const std::vector<RecentFile> files = ParseRecentFiles(lines);
    ASSERT_EQ(files.size(), kRecentFilesKept);
    EXPECT_EQ(files.front(), (RecentFile{"/h/f1.hex", "16F84A"}));
    EXPECT_EQ(files.back().path, "/h/f8.hex");
    EXPECT_EQ(ParseRecentFiles(FormatRecentFiles(files)), files);

    std::vector<RecentFile> list = files;
    RememberRecentFile(list, {"/h/f5.hex", ""});
    EXPECT_EQ(list.size(), kRecentFilesKept);
    EXPECT_EQ(list[0], (RecentFile{"/h/f5.hex", ""}));
    EXPECT_EQ(list[1].path, "/h/f1.hex");
    ForgetRecentFile(list, "/h/f1.hex");
    EXPECT_EQ(list[1].path, "/h/f2.hex");
}

TEST(RecentFiles, TheListLivesBesideTheSettingsWrittenAtClose) {
    FilePlaces own = ChooseFilePlaces("/opt/t/", "/home/u/.config/tessaro/", true, false);
    EXPECT_EQ(RecentFilesPath(own), "/opt/t/recent.dat");
    FilePlaces installed = ChooseFilePlaces("/opt/t/", "/home/u/.config/tessaro/", false, true);
    EXPECT_EQ(RecentFilesPath(installed), "/home/u/.config/tessaro/recent.dat");
}
