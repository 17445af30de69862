// program --watch: the board stays connected and each save of the file is
// programmed, whether the file is replaced by a rename or rewritten in place.
#include "child_process.h"
#include "cli/cli_test_support.h"
#include "test_platform.h"

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

bool ChipGets(SimBoard& sim, int word0) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        int now = -1;
        sim.server.WithBoard([&](boardsim::Board& b) { now = b.chip().Rom(0); });
        if (now == word0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Ctrl-C comes from the console: the test runs in a child of its own, which on
// Windows has one.
TEST(Watch, EachSaveOfTheFileIsProgrammedUntilCtrlC) {
    if (ChildRole().empty()) {
        EXPECT_EQ(ChildProcess::OfThisTest("console").Wait(), 0);
        return;
    }
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const ChipRecord chip = Record("16F628A");
    MemoryImage image = Pattern(chip);
    const auto save = [&](const std::string& name, int word0) {
        image.ROMData[0] = word0;
        return WriteHex(f, name, image, chip, "");
    };
    const std::string file = save("in.hex", 0x0101);
    CliRun run;
    std::thread tool([&] {
        run = RunTool(f, {"program", "--watch", file, "--chip", "16F628A", "--yes"});
    });

    EXPECT_TRUE(ChipGets(sim, 0x0101));
    save("in.hex", 0x0202); // saved through a temporary file renamed onto it
    EXPECT_TRUE(ChipGets(sim, 0x0202));
    const std::string third = ReadFile(save("other.hex", 0x0303));
    std::ofstream(file, std::ios::trunc | std::ios::binary) << third;
    EXPECT_TRUE(ChipGets(sim, 0x0303));

    testplatform::InterruptThisProgram();
    tool.join();
    EXPECT_EQ(run.code, 4) << run.err;
}

} // namespace
