#include "hex_test_support.h"
#include "image/file_date.h"
#include "image/hex_load.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

using namespace hextest;

namespace {

std::string WriteRaw(const TempFolder& folder, const std::string& name, const std::string& text) {
    const std::string path = folder.File(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

HexLoadResult LoadFile(const std::string& path, MemoryImage& image) {
    std::string id = "FFFF";
    return LoadTheHexFile(path, Chip14(), image, id, [] { return true; });
}

} // namespace

TEST(ReadHexFileLines, SplitsAtAnyLineEndAndStopsAfterTheEndLine) {
    TempFolder folder;
    const std::string a = Record(0, "00", "0102");
    const std::string b = Record(2, "00", "0304");
    std::vector<std::string> expected = {a, b, kEnd};
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        const std::string path =
            WriteRaw(folder, "f.hex", a + eol + b + eol + kEnd + eol + "anything" + eol + eol);
        std::vector<std::string> lines;
        ASSERT_TRUE(ReadHexFileLines(path, lines));
        EXPECT_EQ(lines, expected);
    }
    // A faulty line is the last one read; without a line end at the close, too.
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadHexFileLines(WriteRaw(folder, "g.hex", a + "\n\n" + b + "\n"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{a, ""}));
    ASSERT_TRUE(ReadHexFileLines(WriteRaw(folder, "h.hex", a + "\n" + b), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{a, b}));
}

TEST(LoadTheHexFile, BadFilesGiveTheirMessageAndNeverCrash) {
    TempFolder folder;
    MemoryImage image;
    EXPECT_EQ(LoadFile(folder.File("none.hex"), image).failure, HexLoadFailure::Unreadable);
    EXPECT_EQ(LoadFile(folder.Path().string(), image).failure, HexLoadFailure::Unreadable);

    // Larger than any chip's file: refused unread.
    const std::string huge = folder.File("huge.hex");
    WriteRaw(folder, "huge.hex", kEnd);
    std::filesystem::resize_file(huge, 50u << 20);
    EXPECT_EQ(Worded(LoadMessage(LoadFile(huge, image))), "Error loading file");

    const std::string longLine = WriteRaw(folder, "long.hex", std::string(10u << 20, 'A') + "\n");
    EXPECT_EQ(Worded(LoadMessage(LoadFile(longLine, image))), "Error in HEX file - line 0");

    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    EXPECT_EQ(LoadFile(WriteRaw(folder, "bin.hex", binary), image).failure,
              HexLoadFailure::BadLine);

    image = MemoryImage{};
    const HexLoadResult ok = LoadFile(
        WriteRaw(folder, "ok.hex", Record(0, "00", "4100") + "\r\n" + kEnd + "\r\n"), image);
    EXPECT_TRUE(ok.Loaded()) << Worded(LoadMessage(ok));
    EXPECT_EQ(image.ROMData[0], 0x41);
}

TEST(HexFileCaption, ShowsTheNameWithoutItsFolder) {
    EXPECT_EQ(HexFileCaption("/home/u/projects/blink.hex"), "  <blink.hex>");
    EXPECT_EQ(HexFileCaption("blink.HEX"), "  <blink.HEX>");
}

TEST(FileDate, PacksLocalTimeAsADosDateTime) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 14;
    t.tm_min = 30;
    t.tm_sec = 43;
    EXPECT_EQ(PackDosDateTime(t),
              (46u << 25) | (12u << 21) | (8u << 16) | (14u << 11) | (30u << 5) | 21u);
    t.tm_year = 1975 - 1900;
    EXPECT_EQ(PackDosDateTime(t), 0x00210000);
    t.tm_year = 2060 - 1900; // sets the top bit: still a positive date
    EXPECT_GT(PackDosDateTime(t), 0x7FFFFFFF);
    t.tm_year = 2300 - 1900;
    // The last DOS date: 2107-12-31 23:59:58.
    EXPECT_EQ(PackDosDateTime(t),
              (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u);
}

TEST(FileDate, ReadsTheFilesLastWriteTime) {
    TempFolder folder;
    EXPECT_EQ(HexFileDateOf(folder.File("none.hex")), kNoFileDate);
    EXPECT_EQ(HexFileDateOf(folder.Path().string()), kNoFileDate);
    const std::string path = WriteRaw(folder, "f.hex", kEnd);
    std::tm t{};
    t.tm_year = 2025 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 30;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 6;
    t.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&t));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(when));
    EXPECT_EQ(HexFileDateOf(path),
              (45u << 25) | (3u << 21) | (30u << 16) | (9u << 11) | (5u << 5) | 3u);
}

TEST(FileDate, ReloadsOnlyAKnownFileThatGotNewer) {
    EXPECT_TRUE(IsNewerHexFile(true, 1000, 1001));
    EXPECT_FALSE(IsNewerHexFile(false, 1000, 1001));
    EXPECT_FALSE(IsNewerHexFile(true, 0, 1001));
    EXPECT_FALSE(IsNewerHexFile(true, 1000, 1000));
    EXPECT_FALSE(IsNewerHexFile(true, 1000, kNoFileDate));
}
