#include "link/com_names.h"
#include "platform/file_places.h"
#include "platform/text_file.h"
#include "ports_folder.h"
#include "test_platform.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {
using Folders = std::vector<std::string>;

TEST(FilePlaces, ConfigFolderFollowsTheXdgRules) {
    EXPECT_EQ(UserConfigDir("/x/cfg", "/home/u"), "/x/cfg/tessaro/");
    EXPECT_EQ(UserConfigDir("relative/cfg", "/home/u/"), "/home/u/.config/tessaro/");
    EXPECT_EQ(UserConfigDir("", "/home/u"), "/home/u/.config/tessaro/");
    EXPECT_EQ(UserConfigDir(nullptr, nullptr), "");
}

TEST(FilePlaces, ConfigFolderOnWindowsIsInAppData) {
    EXPECT_EQ(AppDataConfigDir("C:\\Users\\u\\AppData\\Roaming"),
              "C:\\Users\\u\\AppData\\Roaming\\Tessaro\\");
    EXPECT_EQ(AppDataConfigDir("D:/profiles/u/"), "D:/profiles/u/Tessaro\\");
    EXPECT_EQ(AppDataConfigDir("\\\\server\\u"), "\\\\server\\u\\Tessaro\\");
    for (const char* notAPlace : {"AppData", "C:relative", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(AppDataConfigDir(notAPlace), "") << (notAPlace ? notAPlace : "null");
}

// A writable folder without the install mark is used as it always was.
TEST(FilePlaces, AWritableProgramFolderKeepsEverything) {
    FilePlaces p = ChooseFilePlaces("/build/bin", "/home/u/.config/tessaro/", true, false);
    EXPECT_FALSE(p.UserFilesInConfigDir);
    EXPECT_EQ(SettingsReadPath(p), "pro.dat");
    EXPECT_EQ(SettingsWritePath(p), "/build/bin/pro.dat");
    EXPECT_EQ(EditedChipFilePath(p), "/build/bin/chipinfo.cid");
    EXPECT_EQ(ChipFileReadPath(p, true), "chipinfo.cid");
    EXPECT_EQ(PortFolders(p), Folders{"/build/bin/"});
}

TEST(FilePlaces, AnInstalledOrUnwritableFolderSendsUserFilesToTheConfigFolder) {
    const std::string config = "/home/u/.config/tessaro/";
    for (FilePlaces p : {ChooseFilePlaces("/usr/lib/tessaro/", config, false, false),
                         ChooseFilePlaces("/usr/lib/tessaro/", config, true, true)}) {
        EXPECT_TRUE(p.UserFilesInConfigDir);
        EXPECT_EQ(SettingsReadPath(p), config + "pro.dat");
        EXPECT_EQ(SettingsWritePath(p), config + "pro.dat");
        EXPECT_EQ(EditedChipFilePath(p), config + "chipinfo.cid");
        EXPECT_EQ(ChipFileReadPath(p, true), config + "chipinfo.cid");
        EXPECT_EQ(ChipFileReadPath(p, false), "/usr/lib/tessaro/chipinfo.cid");
        EXPECT_EQ(PortFolders(p), (Folders{config, "/usr/lib/tessaro/"}));
    }
    // With no home to go to, the program folder is all there is.
    EXPECT_FALSE(ChooseFilePlaces("/usr/lib/tessaro/", "", false, true).UserFilesInConfigDir);
}

TEST(FilePlaces, TheInstallMarkAndTheEnvironmentAreFoundAndMissingFoldersMade) {
    ProgramFolder folder;
    const std::string config = folder.dir + "cfg";
    testplatform::SetEnv(testplatform::kConfigVariable, config);
    EXPECT_FALSE(FilePlacesOf(folder.dir).UserFilesInConfigDir);
    std::ofstream(folder.dir + kInstallMarkerName) << "x\n";
    FilePlaces p = FilePlacesOf(folder.dir);
    testplatform::UnsetEnv(testplatform::kConfigVariable);
    ASSERT_TRUE(p.UserFilesInConfigDir);
    EXPECT_EQ(ChipFileInUse(p), folder.dir + "chipinfo.cid");
    EXPECT_EQ(WriteUserFile(EditedChipFilePath(p), "edited\n"), "");
    EXPECT_EQ(ChipFileInUse(p), config + testplatform::kConfigSubfolder + "chipinfo.cid");
    EXPECT_EQ(ReadWholeFile(ChipFileInUse(p)), "edited\n");
}

TEST(FilePlaces, PortEntriesOfTheFirstFolderWin) {
    ProgramFolder user;
    ProgramFolder program;
    program.WriteCom(1, "/dev/ttyS0\n");
    program.WriteCom(2, "/dev/ttyS1\n");
    user.WriteCom(1, "rfc2217://127.0.0.1:4001\n");
    const Folders folders{user.dir, program.dir};
    EXPECT_EQ(ResolvePortName(folders, 1).host, "127.0.0.1");
    EXPECT_EQ(ResolvePortName(folders, 2).device, "/dev/ttyS1");
    EXPECT_EQ(ResolvePortName(folders, 3).device,
              testplatform::kWindows ? "\\\\.\\COM3" : "/dev/ttyUSB2");
}
} // namespace
