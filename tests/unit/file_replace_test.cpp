// Files rewritten through a temporary file: permissions, links, names in
// UTF-8, and a writer killed half way.

#include "child_process.h"
#include "hex_test_support.h"
#include "platform/text_file.h"
#include "test_platform.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using hextest::TempFolder;

namespace {
mode_t ReplaceTestMode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

class ReplaceTestUmask {
public:
    explicit ReplaceTestUmask(mode_t mask) : old_(::umask(mask)) {}
    ~ReplaceTestUmask() { ::umask(old_); }

private:
    mode_t old_;
};
} // namespace

TEST(WriteFileReplacing, KeepsTheOldFilesModeAndGivesANewOneTheUmasks) {
    SKIP_ON_WINDOWS("a file's access list is the folder's; there are no mode bits to keep");
    TempFolder folder;
    const std::string kept = folder.File("kept.hex");
    ASSERT_TRUE(WriteFileReplacing(kept, "old").empty());
    ASSERT_EQ(::chmod(kept.c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileReplacing(kept, "new").empty());
    EXPECT_EQ(ReplaceTestMode(kept), 0600u);
    ASSERT_EQ(::chmod(kept.c_str(), 0664), 0);
    ASSERT_TRUE(WriteFileReplacing(kept, "newer").empty());
    EXPECT_EQ(ReplaceTestMode(kept), 0664u);
    EXPECT_EQ(ReadWholeFile(kept), "newer");

    ReplaceTestUmask mask(027);
    const std::string created = folder.File("created.hex");
    ASSERT_TRUE(WriteFileReplacing(created, "x").empty());
    EXPECT_EQ(ReplaceTestMode(created), 0640u);
}

TEST(WriteFileReplacing, WritesThroughSymbolicLinksToTheirTarget) {
    SKIP_ON_WINDOWS("symbolic links need administrator rights there; users have none");
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "shared");
    const std::string target = folder.File("shared/chipinfo.cid");
    ASSERT_TRUE(WriteFileReplacing(target, "old").empty());
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    // A relative link to a link, as a user's folder may hold.
    std::filesystem::create_symlink("shared/chipinfo.cid", folder.Path() / "middle.cid");
    std::filesystem::create_symlink(folder.Path() / "middle.cid", folder.Path() / "chipinfo.cid");
    const std::string link = folder.File("chipinfo.cid");

    ASSERT_TRUE(WriteFileReplacing(link, "new").empty());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("middle.cid")));
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(ReplaceTestMode(target), 0640u);
    // No temporary file is left beside the link or the target.
    int entries = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder.Path()))
        entries += e.path().filename().string().find(".tmp-") == std::string::npos ? 1 : 100;
    EXPECT_EQ(entries, 4);

    // A link whose target is not there yet: the target is made, the link stays.
    std::filesystem::create_symlink("later.hex", folder.Path() / "dangling.hex");
    ASSERT_TRUE(WriteFileReplacing(folder.File("dangling.hex"), "made").empty());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("dangling.hex")));
    EXPECT_EQ(ReadWholeFile(folder.File("later.hex")), "made");
}

// A name beyond ASCII names the same file for the writer, the reader and
// the system's own listing of the folder.
TEST(WriteFileReplacing, NamesAreUtf8) {
    TempFolder folder;
    const std::string name = "caf\xC3\xA9 \xE2\x82\xAC.hex";
    ASSERT_EQ(WriteFileReplacing(folder.File(name), "x"), "");
    EXPECT_EQ(ReadWholeFile(folder.File(name)), "x");
    std::vector<std::string> listed; // as the system names them, in UTF-8
    for (const auto& e : std::filesystem::directory_iterator(folder.Path())) {
        const std::u8string listedName = e.path().filename().u8string();
        listed.emplace_back(listedName.begin(), listedName.end());
    }
    EXPECT_EQ(listed, std::vector<std::string>{name});
}

#include "image/hex_save.h"
#include "platform/file_places.h"
#include "platform/settings.h"

#include <chrono>
#include <optional>
#include <random>
#include <thread>

namespace {
// A child process saves `first` and `second` in turn, over and over, until it
// is killed at a random moment; each time the file must hold one of the two
// whole. 30 kills; returns how many found each version and how many kills
// left a temporary file behind (caught in the middle of a write). The child
// is this test run again with the role "KIND:FOLDER".
struct KillCounts {
    int first = 0;
    int second = 0;
    int cutShort = 0;
    int mixed = 0;
};

KillCounts KillWhileSaving(const std::string& role, const std::string& path,
                           const std::function<void(bool)>& save, const std::string& first,
                           const std::string& second) {
    KillCounts counts;
    std::mt19937 random(20);
    std::uniform_int_distribution<int> delayUs(0, 4000);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    for (int kill = 0; kill < 30; ++kill) {
        save(false);
        ChildProcess child = ChildProcess::OfThisTest(role);
        // The child's first save writes `second`: from then on it is at work.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (ReadWholeFile(path) != second && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::microseconds(300 + delayUs(random)));
        child.Kill();
        child.Wait();
        const std::optional<std::string> now = ReadWholeFile(path);
        counts.first += now == first ? 1 : 0;
        counts.second += now == second ? 1 : 0;
        counts.mixed += now != first && now != second ? 1 : 0;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            if (e.path().filename().string().find(".tmp-") != std::string::npos) {
                ++counts.cutShort;
                std::filesystem::remove(e.path());
            }
    }
    return counts;
}
} // namespace

TEST(WriteFileReplacing, AWriterKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole) {
    const std::string role = ChildRole();
    std::optional<TempFolder> temp; // the child works in the test's folder
    if (role.empty())
        temp.emplace();
    const std::filesystem::path dir =
        role.empty() ? temp->Path() : std::filesystem::path(role.substr(role.find(':') + 1));
    const auto File = [&](const std::string& name) { return (dir / name).string(); };
    // pro.dat, as the window writes it at close.
    Settings a;
    a.port = 1;
    a.hexFileName = "/home/user/a.hex";
    a.chipName = "16F84A";
    Settings b = a;
    b.hexFileName = "/home/user/projects/a much longer folder name/blink.hex";
    const std::string settings = File("config/pro.dat");
    const auto saveSettings = [&](bool second) {
        WriteUserFile(settings, JoinLinesCRLF(FormatSettings(second ? b : a)));
    };
    // A HEX file of a whole 14-bit chip, and the same chip with other words.
    const ChipRecord chip = hextest::Chip14();
    std::string id;
    MemoryImage imageA = hextest::BlankImage(chip, id);
    MemoryImage imageB = imageA;
    for (std::size_t i = 0; i < imageB.ROMData.size(); ++i)
        imageB.ROMData[i] = static_cast<int>(i * 7) & chip.WordMask;
    const std::string hex = File("blink.hex");
    const auto saveHex = [&](bool second) {
        std::string idText = id;
        SaveHexFile(hex, second ? imageB : imageA, chip, idText);
    };
    // The chip list, with one INCLUDE= line changed by the editor.
    const std::string cidA = *ReadWholeFile(TESSARO_SOURCE_DIR "/data/chipinfo.cid");
    std::string cidB = cidA;
    cidB.replace(cidB.find("INCLUDE=Y"), 9, "INCLUDE=N");
    const std::string cid = File("chipinfo.cid");
    const auto saveCid = [&](bool second) { WriteUserFile(cid, second ? cidB : cidA); };

    struct Kind {
        const char* name;
        std::string path;
        std::function<void(bool)> save;
    } kinds[] = {{"pro.dat", settings, saveSettings},
                 {"HEX file", hex, saveHex},
                 {"chipinfo.cid", cid, saveCid}};
    if (!role.empty()) {
        for (bool which = true;; which = !which)
            kinds[std::stoi(role)].save(which);
    }
    for (int k = 0; k < 3; ++k) {
        const Kind& kind = kinds[k];
        kind.save(false);
        const std::string first = *ReadWholeFile(kind.path);
        kind.save(true);
        const std::string second = *ReadWholeFile(kind.path);
        ASSERT_NE(first, second) << kind.name;
        const KillCounts c = KillWhileSaving(std::to_string(k) + ":" + dir.string(), kind.path,
                                             kind.save, first, second);
        std::printf("%-13s 30 kills: old %d, new %d, cut short %d, mixed %d\n", kind.name, c.first,
                    c.second, c.cutShort, c.mixed);
        EXPECT_EQ(c.mixed, 0) << kind.name;
        EXPECT_EQ(c.first + c.second, 30) << kind.name;
    }

    // What a killed writer left is cleared by the next save once it is old;
    // a temporary file of a writer that may still be at work stays.
    const std::string stale = hex + ".tmp-AbC123";
    const std::string fresh = hex + ".tmp-XyZ789";
    ASSERT_TRUE(WriteFileReplacing(stale, "cut sh").empty());
    ASSERT_TRUE(WriteFileReplacing(fresh, "in fli").empty());
    std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() -
                                                std::chrono::minutes(5));
    saveHex(true);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh));
}
