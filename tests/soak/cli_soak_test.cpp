// A production run: tessaro-cli auto programs 1,000 chips, one in 50 of
// which fails a word. The counts and the log must be exact, and the program
// must hold as much memory and as many open files after chip 1,000 as after
// chip 50. The program runs as it ships, a process of its own with its real
// pauses (about 0.4 s a chip), so that what is measured is its memory alone:
// several minutes, run by scripts/test --all, not by CI.
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "cli/cli_test_support.h"
#include "image/hex_save.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using namespace clitest;

// Memory and files are looked at after chip 50 and chip 1,000, while the
// program waits for the chip to be taken out; one chip more ends the run.
constexpr int kChips = 1000;
constexpr int kRun = kChips + 1;

bool ChipFails(int number) {
    return number % 50 == 25;
}

long ResidentKb(pid_t pid) {
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long OpenFds(pid_t pid) {
    long count = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd"))
        ++count;
    return count;
}

// tessaro-cli started from a copy in the folder, which is then its program
// folder; its standard error goes to a file there.
pid_t StartTool(const ProgramFolder& f, const std::vector<std::string>& args) {
    const std::string tool = f.Path("tessaro-cli");
    std::filesystem::copy_file(TESSARO_CLI_PATH, tool);
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        const int err = ::open(f.Path("stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(err, 2);
        std::vector<char*> argv = {const_cast<char*>(tool.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(tool.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

ChipRecord SoakChip(const std::string& name) {
    const ChipFileLoadResult loaded =
        LoadChipFile(SplitLines(ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid").value()), 1);
    const auto at = std::find(loaded.ChipNames.begin(), loaded.ChipNames.end(), name);
    ChipInfoResult info =
        ExtractChipInfo(loaded.ChipData, static_cast<int>(at - loaded.ChipNames.begin()));
    DeriveSelectionFields(info.record);
    return info.record;
}
} // namespace

TEST(CliSoak, AThousandChipsWithAFaultInOneOfFifty) {
    SimBoard sim(boardsim::Model::Elm, "16F84A");
    sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    ProgramFolder f(sim.Url());
    const ChipRecord chip = SoakChip("16F84A");
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    for (int i = 0; i < 64; ++i)
        image.ROMData[static_cast<std::size_t>(i)] = (0x1200 + 7 * i) & chip.WordMask;
    image.EEPROMData.assign(static_cast<std::size_t>(chip.EEPROMSize), 0xFF);
    image.FuseValue = chip.FuseBlank;
    std::string id = "FFFF";
    ASSERT_TRUE(SaveHexFile(f.Path("soak.hex"), image, chip, id));

    long rss50 = 0, fds50 = 0, rss1000 = 0, fds1000 = 0;
    const auto started = std::chrono::steady_clock::now();
    const pid_t tool =
        StartTool(f, {"auto", f.Path("soak.hex"), "--chip", "16F84A", "--count",
                      std::to_string(kRun), "--quiet", "--log", f.Path("bench.log")});
    ASSERT_GT(tool, 0);
    int number = 1;
    for (; number <= kRun; ++number) {
        if (!sim.WaitForCommand("WaitChipInsertion"))
            break;
        sim.server.WithBoard([number](boardsim::Board& b) {
            b.chip().Blank();
            if (ChipFails(number))
                b.faults().romFailAtWord = 10;
            b.InsertChip();
        });
        if (number == kRun || !sim.WaitForCommand("WaitChipRemoval"))
            break;
        if (number == 50) {
            rss50 = ResidentKb(tool);
            fds50 = OpenFds(tool);
        } else if (number == kChips) {
            rss1000 = ResidentKb(tool);
            fds1000 = OpenFds(tool);
        }
        sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    }
    if (number < kRun)
        ::kill(tool, SIGKILL); // the board waited in vain: the run is stuck
    int status = 0;
    ::waitpid(tool, &status, 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    const int failed = kChips / 50;
    const std::string err = ReadFile(f.Path("stderr.txt"));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(err.find("chip 1001: done; " + std::to_string(kRun - failed) + " passed, " +
                       std::to_string(failed) + " failed"),
              std::string::npos)
        << err.substr(err.size() > 2000 ? err.size() - 2000 : 0);
    std::istringstream log(ReadFile(f.Path("bench.log")));
    int lines = 0;
    int wrong = 0;
    for (std::string line; std::getline(log, line);) {
        std::map<std::string, std::string> fields = ParseFlatJson(line);
        ++lines;
        const bool fails = ChipFails(lines);
        wrong += fields["number"] == std::to_string(lines) &&
                         fields["result"] == (fails ? "failed" : "done")
                     ? 0
                     : 1;
    }
    EXPECT_EQ(lines, kRun);
    EXPECT_EQ(wrong, 0);
    std::printf("%d chips in %.1f s; tessaro-cli after chip 50: RSS %ld kB, %ld fds; after chip "
                "%d: RSS %ld kB, %ld fds\n",
                kRun, seconds, rss50, fds50, kChips, rss1000, fds1000);
    EXPECT_GT(fds50, 0);
    EXPECT_EQ(fds1000, fds50);
    // The heap may round up a little; a leak of a chip's worth each would be megabytes.
    EXPECT_GT(rss50, 0);
    EXPECT_LT(rss1000 - rss50, 1024);
}
