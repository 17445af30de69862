// The store's pieces that need no server: the SHA-256 a row names its HEX
// file by, the journal's lines, the result taken from a log line, SQTP files.
#include "cli/cli_test_support.h"
#include "cli/serial_store_file.h"
#include "cli/sqtp_export.h"
#include "cli/station_serials.h"
#include "platform/sha256.h"
#include "store/store_journal.h"

#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

namespace {
std::string CommandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        out += buffer;
    if (pipe != nullptr)
        pclose(pipe);
    return out;
}

TEST(StorePieces, Sha256AgreesWithSha256sumOnEveryPaddingCase) {
    // Lengths around the 56- and 64-byte edges of the padding, and a long one.
    for (const std::size_t length : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u}) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>((i * 131 + 7) & 0xFF);
        const std::string path = ::testing::TempDir() + "sha_input";
        std::ofstream(path, std::ios::binary) << bytes;
        const std::string want = CommandOutput("sha256sum " + path).substr(0, 64);
        EXPECT_EQ(Sha256Hex(bytes), want) << length;
    }
}

TEST(StorePieces, AJournalLineComesBackWhateverItsTextsHold) {
    JournalEntry e;
    e.row = 123456789012LL;
    e.result.result = "difference";
    e.result.deviceId = "0x1060";
    e.result.revision = 3;
    e.result.checksum = "tab\there\nnew\\line";
    e.result.imageCrc32 = "0xDEADBEEF";
    e.result.calibrationRead = "0x3480";
    e.result.elapsedSeconds = 2.5;
    JournalEntry back;
    ASSERT_TRUE(ParseJournalLine(JournalLine(e), back));
    EXPECT_EQ(back.row, e.row);
    EXPECT_EQ(back.result.result, "difference");
    EXPECT_EQ(back.result.deviceId, "0x1060");
    EXPECT_EQ(back.result.revision, 3);
    EXPECT_EQ(back.result.checksum, e.result.checksum);
    EXPECT_EQ(back.result.calibrationWritten, "");
    EXPECT_DOUBLE_EQ(back.result.elapsedSeconds, 2.5);
    // A line cut short (power cut while appending) is no entry.
    const std::string line = JournalLine(e);
    EXPECT_FALSE(ParseJournalLine(line.substr(0, line.size() / 2), back));
    EXPECT_FALSE(ParseJournalLine("", back));
}

TEST(StorePieces, TheRowTakesTheResultFieldsOfTheLogLine) {
    const ChipResult r = ResultOfLogLine(
        R"({"time":"2026-01-01T00:00:00Z","operation":"program","board":"COM1","chip":"12F675",)"
        R"("result":"done","device_id":"0x0FC0","revision":2,)"
        R"("calibration":{"read":"0x3480","written":null},"serial":1000,)"
        R"("checksum":"0x1A2B","image_crc32":"0x12345678","elapsed_s":1.25,"message":"a \"b\""})");
    EXPECT_EQ(r.result, "done");
    EXPECT_EQ(r.deviceId, "0x0FC0");
    EXPECT_EQ(r.revision, 2);
    EXPECT_EQ(r.calibrationRead, "0x3480");
    EXPECT_EQ(r.calibrationWritten, "");
    EXPECT_EQ(r.checksum, "0x1A2B");
    EXPECT_EQ(r.imageCrc32, "0x12345678");
    EXPECT_DOUBLE_EQ(r.elapsedSeconds, 1.25);
    const ChipResult none = ResultOfLogLine(R"({"result":"no answer","device_id":null})");
    EXPECT_EQ(none.deviceId, "");
    EXPECT_EQ(none.revision, -1);
}

TEST(StorePieces, TheStateFileGivesAFailedNumberToTheNextChipOnlyWhenAskedTo) {
    for (const FailedNumbers failed : {FailedNumbers::Void, FailedNumbers::Reuse}) {
        SerialOptions o;
        o.counter = true;
        o.start = 10;
        o.state = ::testing::TempDir() + "reuse-" + std::to_string(static_cast<int>(failed));
        std::remove(o.state.c_str());
        FileSerialStore store(o, failed);
        Reservation first;
        Reservation second;
        Reservation third;
        ASSERT_TRUE(store.Reserve({}, first));
        ChipResult failedChip;
        failedChip.result = "failed";
        ChipResult doneChip;
        doneChip.result = "done";
        ASSERT_TRUE(store.Close(first, failedChip));
        ASSERT_TRUE(store.Reserve({}, second));
        ASSERT_TRUE(store.Close(second, doneChip));
        ASSERT_TRUE(store.Reserve({}, third));
        EXPECT_EQ(first.serial, 10u);
        EXPECT_EQ(second.serial, failed == FailedNumbers::Reuse ? 10u : 11u);
        EXPECT_EQ(third.serial, failed == FailedNumbers::Reuse ? 11u : 12u);
    }
}

TEST(StorePieces, SqtpRecordsHoldTheBytesAsTheHexImageDoes) {
    SerialOptions o;
    o.placeGiven = true;
    o.bytes = 2;
    o.address = 0x10;
    std::string error;
    const ChipRecord midrange = clitest::Record("16F628A");
    // EEPROM of a 14-bit core: words from 0x2100, a zero high byte per byte.
    EXPECT_EQ(SqtpText(midrange, o, {0x1234, 0x1235}, error),
              ":044220001200340054\n:044220001200350053\n:00000001FF\n");
    // Program memory: one RETLW per byte, little-endian words.
    o.inRom = true;
    o.address = 0x100;
    o.bytes = 1;
    EXPECT_EQ(SqtpText(midrange, o, {0xE9}, error), ":02020000E934DF\n:00000001FF\n");
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(SqtpText(midrange, o, {0x100}, error), "");
    EXPECT_EQ(error, "serial 256 does not fit in 1 byte");

    // srec_info reads a 16-bit core's file (an extended address first) as valid.
    const ChipRecord wide = clitest::Record("18F452");
    o = {};
    o.placeGiven = true;
    o.address = 4;
    error.clear();
    const std::string text = SqtpText(wide, o, {1, 2, 3}, error);
    ASSERT_TRUE(error.empty()) << error;
    const std::string path = ::testing::TempDir() + "parts.num";
    std::ofstream(path) << text;
    const std::string info = CommandOutput("srec_info " + path + " -Intel 2>&1");
    EXPECT_NE(info.find("Data:"), std::string::npos) << info;
    const bool byteWide = wide.Family() == Core::WideByteHex;
    if (byteWide) {
        EXPECT_EQ(text.substr(0, 16), ":0200000400F00A\n");
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), byteWide ? 5 : 4);
}
} // namespace
