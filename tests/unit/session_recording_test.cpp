// Recordings of a board session: SHA-256 of the HEX file, the JSON Lines
// written and read back, and the replayed board's matching of the host side.
#include "link/replay_port.h"
#include "link/session_recording.h"
#include "platform/sha256.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ScratchPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("tessaro_rec_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + name))
        .string();
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The digest sha256sum prints for the bytes, through a file.
std::string SystemSha256(const std::string& bytes) {
    const std::string data = ScratchPath("sha.bin");
    const std::string out = ScratchPath("sha.txt");
    std::ofstream(data, std::ios::binary) << bytes;
    EXPECT_EQ(std::system(("sha256sum '" + data + "' > '" + out + "'").c_str()), 0);
    const std::string line = FileText(out);
    std::filesystem::remove(data);
    std::filesystem::remove(out);
    return line.substr(0, 64);
}

TEST(Sha256, AgreesWithSha256sumAtEveryPaddingBoundary) {
    SKIP_ON_WINDOWS("sha256sum is the oracle");
    // Lengths around the 55/56-byte padding edge and the 64-byte block.
    for (const std::size_t length : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u, 70001u}) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>((i * 131 + length) & 0xFF);
        const std::string expected = SystemSha256(bytes);
        EXPECT_EQ(Sha256Hex(bytes), expected) << length << " bytes";
        // In uneven pieces the digest is the same.
        Sha256 pieces;
        for (std::size_t at = 0; at < bytes.size(); at += 7 + at % 13)
            pieces.Add(std::string_view(bytes).substr(at, 7 + at % 13));
        EXPECT_EQ(pieces.HexDigest(), expected) << length << " bytes in pieces";
    }
    const std::string file = ScratchPath("hex.hex");
    std::ofstream(file, std::ios::binary) << ":00000001FF\n";
    EXPECT_EQ(FileSha256Hex(file), SystemSha256(":00000001FF\n"));
    std::filesystem::remove(file);
    EXPECT_EQ(FileSha256Hex(file), "");
}

TEST(SessionRecording, EachEventIsOnDiskAsSoonAsItHappensAndReadsBack) {
    const std::string path = ScratchPath("rec.jsonl");
    std::string error;
    auto recorder = SessionRecorder::Create(path, "\"chip\":\"16F84A\"", error);
    ASSERT_NE(recorder, nullptr) << error;
    recorder->Port("open");
    recorder->Line("DTR", true);
    recorder->Bytes(true, std::string("\x50\x03", 2));
    // What a crash would leave: every line so far, whole.
    Recording early;
    ASSERT_TRUE(ParseRecording(FileText(path), early, error)) << error;
    ASSERT_EQ(early.events.size(), 3u);
    EXPECT_TRUE(early.cutShort); // the port was never closed
    // The board's bytes as the program takes them reach the file with its answer.
    recorder->HoldBoardBytes(std::string("\x00\xff\"", 3));
    ASSERT_TRUE(ParseRecording(FileText(path), early, error)) << error;
    EXPECT_EQ(early.events.size(), 3u);
    recorder->Line("RTS", false, 5);
    ASSERT_TRUE(ParseRecording(FileText(path), early, error)) << error;
    EXPECT_EQ(early.events.size(), 5u);
    recorder->HoldBoardBytes("Y");
    recorder->Flush();
    ASSERT_TRUE(ParseRecording(FileText(path), early, error)) << error;
    EXPECT_EQ(early.events.size(), 6u);
    recorder->State(11, "AwaitModel");
    recorder->Result("{\"result\":\"done\"}");
    recorder->Port("close");
    recorder.reset();

    Recording r;
    ASSERT_TRUE(ParseRecording(FileText(path), r, error)) << error;
    std::filesystem::remove(path);
    EXPECT_EQ(r.header.Str("format"), "tessaro-session");
    EXPECT_EQ(r.header.Int("version"), kRecordingVersion);
    EXPECT_EQ(r.header.Str("chip"), "16F84A");
    ASSERT_EQ(r.events.size(), 9u);
    EXPECT_FALSE(r.cutShort);
    using K = RecordedEvent::Kind;
    EXPECT_EQ(r.events[2].kind, K::HostBytes);
    EXPECT_EQ(r.events[2].bytes, std::string("\x50\x03", 2));
    EXPECT_EQ(r.events[3].kind, K::BoardBytes);
    EXPECT_EQ(r.events[3].bytes, std::string("\x00\xff\"", 3));
    EXPECT_EQ(r.events[4].line, "RTS");
    EXPECT_FALSE(r.events[4].level);
    EXPECT_EQ(r.events[4].error, 5);
    EXPECT_EQ(r.events[5].bytes, "Y");
    EXPECT_EQ(r.events[6].state, 11);
    EXPECT_EQ(r.events[6].name, "AwaitModel");
    EXPECT_EQ(r.events[7].kind, K::Result);
    for (std::size_t i = 0; i < r.events.size(); ++i) {
        EXPECT_EQ(r.events[i].lineNo, static_cast<int>(i) + 2);
        if (i > 0) {
            EXPECT_GE(r.events[i].t, r.events[i - 1].t);
        }
    }
}

TEST(SessionRecording, BadHeaderIsRefusedAndACutLineEndsTheRecording) {
    Recording r;
    std::string error;
    EXPECT_FALSE(ParseRecording("", r, error));
    EXPECT_FALSE(ParseRecording("{\"format\":\"something else\"}\n", r, error));
    EXPECT_FALSE(ParseRecording("{\"format\":\"tessaro-session\",\"vers", r, error));
    EXPECT_FALSE(ParseRecording("hello\n{\"t\":1,\"port\":\"open\"}\n", r, error));
    const std::string head = "{\"format\":\"tessaro-session\",\"version\":1}\n"
                             "{\"t\":1,\"port\":\"open\"}\n"
                             "{\"t\":2,\"dir\":\"host\",\"hex\":\"50\"}\n";
    ASSERT_TRUE(ParseRecording(head + "{\"t\":3,\"dir\":\"bo", r, error));
    EXPECT_TRUE(r.cutShort);
    EXPECT_EQ(r.events.size(), 2u);
    EXPECT_EQ(r.lastLine, 3);
    // Odd hex is no event either.
    ASSERT_TRUE(ParseRecording(head + "{\"t\":3,\"dir\":\"board\",\"hex\":\"5\"}\n", r, error));
    EXPECT_TRUE(r.cutShort);
    EXPECT_EQ(r.events.size(), 2u);
}

// open, DTR=1, "BL" from the board, 50 03 from the host, "P" back, close.
Recording Small(bool complete = true) {
    std::string text = "{\"format\":\"tessaro-session\",\"version\":1}\n"
                       "{\"t\":0,\"port\":\"open\"}\n"
                       "{\"t\":100,\"line\":\"DTR\",\"level\":1}\n"
                       "{\"t\":5000,\"dir\":\"board\",\"hex\":\"424c\"}\n"
                       "{\"t\":6000,\"dir\":\"host\",\"hex\":\"5003\"}\n"
                       "{\"t\":6100,\"state\":10,\"name\":\"AwaitStart\"}\n"
                       "{\"t\":9000,\"dir\":\"board\",\"hex\":\"50\"}\n";
    if (complete)
        text += "{\"t\":9500,\"port\":\"close\"}\n";
    Recording r;
    std::string error;
    EXPECT_TRUE(ParseRecording(text, r, error)) << error;
    return r;
}

TEST(ReplayBoard, AnswersOnceTheHostHasDoneWhatCameBeforeAtTheRecordedPace) {
    std::int64_t now = 1'000'000;
    ReplayBoard board(Small(), false, [&] { return now; });
    EXPECT_EQ(board.WaitUs(), -1); // nothing before the port opens
    EXPECT_EQ(board.Open(), 0);
    EXPECT_EQ(board.WaitUs(), -1); // nor before the reset line rises
    EXPECT_EQ(board.SetLine("DTR", true), 0);
    EXPECT_EQ(board.WaitUs(), 4900); // 5000 - 100 after the line rose
    now += 4900;
    EXPECT_EQ(board.TakeDue(), "BL");
    // The host's bytes may come in other pieces than recorded.
    EXPECT_EQ(board.Write("\x50"), 0);
    EXPECT_EQ(board.WaitUs(), -1);
    now += 700;
    EXPECT_EQ(board.Write("\x03"), 0);
    EXPECT_EQ(board.WaitUs(), 3000);
    now += 3000;
    EXPECT_EQ(board.TakeDue(), "P");
    ASSERT_TRUE(board.Unmatched().has_value());
    EXPECT_EQ(board.Unmatched()->expected, "close");
    EXPECT_EQ(board.Close(), 0);
    EXPECT_FALSE(board.Over());
    EXPECT_FALSE(board.Unmatched().has_value());
}

TEST(ReplayBoard, TheFirstHostActionThatDiffersEndsTheReplayWithItsLine) {
    int overs = 0;
    ReplayBoard board(Small(), true);
    board.SetOnOver([&] { ++overs; });
    board.Open();
    board.SetLine("DTR", true);
    EXPECT_EQ(board.WaitUs(), 0); // fast: at once
    EXPECT_EQ(board.TakeDue(), "BL");
    board.Write(std::string("\x50\x04\x99", 3));
    ASSERT_TRUE(board.Differs().has_value());
    EXPECT_EQ(board.Differs()->line, 5);
    EXPECT_EQ(board.Differs()->expected, "03");
    EXPECT_EQ(board.Differs()->found, "0499");
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(board.TakeDue(), ""); // the board says no more
    board.Close();
    EXPECT_EQ(overs, 2);

    ReplayBoard lines(Small(), true);
    lines.Open();
    lines.SetLine("RTS", true);
    ASSERT_TRUE(lines.Differs().has_value());
    EXPECT_EQ(lines.Differs()->line, 3);
    EXPECT_EQ(lines.Differs()->expected, "DTR=1");
    EXPECT_EQ(lines.Differs()->found, "RTS=1");

    // A run that stops early leaves the rest unmatched.
    ReplayBoard early(Small(), true);
    early.Open();
    ASSERT_TRUE(early.Unmatched().has_value());
    EXPECT_EQ(early.Unmatched()->line, 3);
}

TEST(ReplayBoard, PastTheEndOfAWholeRecordingDiffersPastACutOneIsOver) {
    ReplayBoard whole(Small(true), true);
    whole.Open();
    whole.SetLine("DTR", true);
    whole.Write("\x50\x03");
    whole.Close();
    whole.Write("\x01");
    ASSERT_TRUE(whole.Differs().has_value());
    EXPECT_EQ(whole.Differs()->expected, "");
    EXPECT_EQ(whole.Differs()->found, "01");

    ReplayBoard cut(Small(false), true);
    cut.Open();
    cut.SetLine("DTR", true);
    cut.Write("\x50\x03");
    EXPECT_FALSE(cut.Over());
    cut.Write("\x17");
    EXPECT_TRUE(cut.Over());
    EXPECT_TRUE(cut.PastEnd());
    EXPECT_FALSE(cut.Differs().has_value());
}

} // namespace
