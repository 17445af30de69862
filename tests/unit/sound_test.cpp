#include "platform/sound_posix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A private folder standing in for the machine's root.
class SoundRoot : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() /
               ("tessaro_sound_" + std::to_string(getpid()) + "_" + info->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    void Touch(const fs::path& relative, const std::string& text = {}) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    bool WaitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 400; ++i) {
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    fs::path root;
};

int LineCount(const fs::path& file) {
    std::ifstream in(file);
    int n = 0;
    for (std::string line; std::getline(in, line);)
        ++n;
    return n;
}

} // namespace

TEST_F(SoundRoot, NoSoundSystemMeansNoSound) {
    EXPECT_FALSE(SoundAvailable(root.string()));
    Touch("proc/asound/cards", "--- no soundcards ---\n");
    EXPECT_FALSE(SoundAvailable(root.string()));
}

TEST_F(SoundRoot, APlaybackDeviceNodeMeansSound) {
    Touch("dev/snd/controlC0");
    Touch("dev/snd/pcmC0D0c");
    EXPECT_FALSE(SoundAvailable(root.string())) << "control and capture nodes are no output";
    Touch("dev/snd/pcmC1D3p");
    EXPECT_TRUE(SoundAvailable(root.string()));
}

TEST_F(SoundRoot, APlaybackDeviceInTheKernelListMeansSound) {
    Touch("proc/asound/pcm", "00-00: USB Audio : USB Audio : capture 1\n");
    EXPECT_FALSE(SoundAvailable(root.string()));
    Touch("proc/asound/pcm", "00-00: USB Audio : USB Audio : capture 1\n"
                             "01-00: HDMI 0 : HDMI 0 : playback 1\n");
    EXPECT_TRUE(SoundAvailable(root.string()));
}

TEST_F(SoundRoot, FindProgramTakesTheFirstExecutableOnThePath) {
    Touch("a/aplay", "not executable");
    Touch("b/aplay", "#!/bin/sh\n");
    fs::permissions(root / "b/aplay", fs::perms::owner_all);
    const std::string path =
        (root / "missing").string() + "::" + (root / "a").string() + ":" + (root / "b").string();
    EXPECT_EQ(FindProgram("aplay", path), (root / "b/aplay").string());
    EXPECT_EQ(FindProgram("aplay", ""), "");
    EXPECT_EQ(FindProgram("b/aplay", root.string()), "") << "names only, no paths";
}

TEST_F(SoundRoot, WithoutDeviceOrPlayerAClickDoesNothing) {
    PlayerSound noDevice((root / "none").string(), "click.wav", false);
    EXPECT_FALSE(noDevice.Available());
    noDevice.PlayClick();
    EXPECT_FALSE(noDevice.Busy());

    PlayerSound noPlayer("", "click.wav", true);
    noPlayer.PlayClick();
    EXPECT_FALSE(noPlayer.Busy());

    PlayerSound brokenPlayer((root / "no_such_player").string(), "click.wav", true);
    brokenPlayer.PlayClick();
    EXPECT_TRUE(WaitFor([&] { return !brokenPlayer.Busy(); }));
}

// The player is held until the test lets it go: PlayClick must have returned by then, and a
// click asked for meanwhile must not start a second player.
TEST_F(SoundRoot, ClickReturnsAtOnceAndDropsClicksWhilePlaying) {
    const fs::path log = root / "log";
    const fs::path go = root / "go";
    Touch("player", "#!/bin/sh\necho \"$1 $2\" >> '" + log.string() + "'\n" + "while [ ! -e '" +
                        go.string() + "' ]; do sleep 0.01; done\n");
    fs::permissions(root / "player", fs::perms::owner_all);

    PlayerSound sound((root / "player").string(), "/x/click.wav", true);
    sound.PlayClick();
    EXPECT_TRUE(sound.Busy());
    sound.PlayClick();
    ASSERT_TRUE(WaitFor([&] { return LineCount(log) >= 1; }));
    Touch("go");
    ASSERT_TRUE(WaitFor([&] { return !sound.Busy(); }));
    EXPECT_EQ(LineCount(log), 1);

    sound.PlayClick();
    ASSERT_TRUE(WaitFor([&] { return LineCount(log) == 2; }));
    // The player ends before its folder goes: without "go" it would wait for ever.
    ASSERT_TRUE(WaitFor([&] { return !sound.Busy(); }));
    std::ifstream in(log);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "-q /x/click.wav");
}

// The shipped click: a short mono PCM WAV file.
TEST(ClickSound, ShippedFileIsAShortMonoPcmWav) {
    std::ifstream in(std::string(TESSARO_SOURCE_DIR) + "/resources/click.wav", std::ios::binary);
    ASSERT_TRUE(in);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 44u);
    auto u16 = [&](size_t at) {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8;
    };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(u32(4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1u) << "PCM";
    EXPECT_EQ(u16(22), 1u) << "mono";
    const uint32_t rate = u32(24);
    const uint32_t bytesPerFrame = u16(32);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    const uint32_t frames = u32(40) / bytesPerFrame;
    EXPECT_EQ(44 + u32(40), bytes.size());
    const double ms = 1000.0 * frames / rate;
    EXPECT_GE(ms, 10.0);
    EXPECT_LE(ms, 40.0);
}
