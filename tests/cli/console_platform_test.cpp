// What tessaro-cli takes from the system it runs on: the watch on a file's
// folder and Ctrl-C, on Linux and on Windows alike.
#include "child_process.h"
#include "cli/file_watch.h"
#include "cli/interrupts.h"
#include "test_platform.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Asks the watch until it reports a change or `ms` pass.
bool ChangedWithin(FileWatch& watch, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        if (watch.Changed())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

TEST(FileWatch, ASaveInPlaceOrByRenameIsOneChangeAndOtherFilesAreNone) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessaro-watch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "blink.hex").string();
    std::ofstream(file) << "first\n";
    FileWatch watch(file, std::chrono::milliseconds(50));
    ASSERT_TRUE(watch.Ok()) << watch.Error();
    EXPECT_FALSE(ChangedWithin(watch, 100));

    std::ofstream(folder / "other.hex") << "not the one\n";
    EXPECT_FALSE(ChangedWithin(watch, 200));
    // Written in several steps: one change once they have settled.
    for (int i = 0; i < 3; ++i)
        std::ofstream(file, std::ios::app) << "more " << i << "\n";
    EXPECT_TRUE(ChangedWithin(watch, 2000));
    EXPECT_FALSE(ChangedWithin(watch, 200));
    // Saved as editors save: a new file renamed onto the name.
    std::ofstream(folder / "blink.tmp") << "second\n";
    std::filesystem::rename(folder / "blink.tmp", file);
    EXPECT_TRUE(ChangedWithin(watch, 2000));

    FileWatch missing((folder / "gone" / "x.hex").string());
    EXPECT_FALSE(missing.Ok());
    EXPECT_FALSE(missing.Error().empty());
    std::filesystem::remove_all(folder);
}

// In a child of its own, which on Windows has a console for Ctrl-C to come from.
TEST(Interrupts, CtrlCIsCountedWhileTheGuardLives) {
    if (ChildRole().empty()) {
        ChildProcess child = ChildProcess::OfThisTest("interrupted");
        EXPECT_EQ(child.Wait(), 0);
        return;
    }
    const InterruptGuard guard;
    EXPECT_EQ(InterruptCount(), 0);
    testplatform::InterruptThisProgram();
    // Windows runs the handler on a thread of its own.
    for (int i = 0; i < 200 && InterruptCount() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(InterruptCount(), 1);
}

} // namespace
