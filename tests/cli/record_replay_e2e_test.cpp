// tessaro-cli --record against the simulator, and the recording replayed with
// no board: the same run again, a changed program, another HEX file, and a
// gang run's recordings.
#include "cli/cli_test_support.h"
#include "link/json_value.h"
#include "link/session_recording.h"
#include "platform/sha256.h"
#include "recorded_board.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

Recording ReadBack(const std::string& path) {
    Recording r;
    std::string error;
    EXPECT_TRUE(ReadRecording(path, r, error)) << path << ": " << error;
    return r;
}

int Count(const Recording& r, RecordedEvent::Kind kind) {
    int n = 0;
    for (const RecordedEvent& e : r.events)
        n += e.kind == kind ? 1 : 0;
    return n;
}

TEST(Recording, AProgramRunRecordedReplaysTheSameAndACorruptedOneNamesItsLine) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string rec = f.Path("run.jsonl");
    CliRun run = RunTool(f, {"program", file, "--chip", "16F628A", "--record", rec});
    ASSERT_EQ(run.code, 0) << run.err;

    const Recording r = ReadBack(rec);
    EXPECT_FALSE(r.cutShort);
    EXPECT_EQ(r.header.Str("chip"), "16F628A");
    EXPECT_EQ(r.header.Str("operation"), "program");
    EXPECT_EQ(r.header.Str("port"), "COM1");
    EXPECT_EQ(r.header.Int("baud"), 19200);
    EXPECT_EQ(r.header.Str("line"), "8N1");
    EXPECT_EQ(r.header.Str("file"), file);
    EXPECT_EQ(r.header.Str("hex_sha256"), FileSha256Hex(file));
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.front().kind, RecordedEvent::Kind::Open);
    EXPECT_EQ(r.events.back().kind, RecordedEvent::Kind::Close);
    EXPECT_EQ(Count(r, RecordedEvent::Kind::Result), 1);
    EXPECT_GT(Count(r, RecordedEvent::Kind::State), 5);
    // Every word of the pattern went to the board and was answered.
    EXPECT_GT(Count(r, RecordedEvent::Kind::HostBytes), 64);
    EXPECT_GT(Count(r, RecordedEvent::Kind::BoardBytes), 64);
    EXPECT_GE(Count(r, RecordedEvent::Kind::Line), 4); // the reset pulse, then the close

    CliRun same = RunTool(f, {"replay", "--fast", rec});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_EQ(same.out, "same\n");

    // Another file at another path with the same bytes is taken; other bytes are not.
    const std::string copy = f.Path("copy.hex");
    std::filesystem::copy_file(file, copy);
    EXPECT_EQ(RunTool(f, {"replay", "--fast", "--file", copy, rec}).code, 0);
    std::ofstream(copy, std::ios::app) << "\n";
    EXPECT_EQ(RunTool(f, {"replay", "--fast", "--file", copy, rec}).code, 3);

    // The first word written changed in the recording: the program's differs there.
    std::ifstream in(rec);
    std::ofstream out(f.Path("changed.jsonl"));
    std::string line;
    int number = 0;
    int changedLine = 0;
    std::string expected;
    while (std::getline(in, line)) {
        ++number;
        const std::size_t at = line.find("\"dir\":\"host\",\"hex\":\"");
        if (changedLine == 0 && number > 30 && at != std::string::npos) {
            const std::size_t hex = at + 20;
            expected = line.substr(hex, line.find('"', hex) - hex);
            line[hex] = line[hex] == '0' ? '1' : '0';
            changedLine = number;
        }
        out << line << '\n';
    }
    out.close();
    ASSERT_GT(changedLine, 0);
    CliRun differs = RunTool(f, {"replay", "--fast", "--json", f.Path("changed.jsonl")});
    EXPECT_EQ(differs.code, 1) << differs.err;
    const auto result = ParseFlatJson(differs.out);
    EXPECT_EQ(result.at("operation"), "replay");
    EXPECT_EQ(result.at("result"), "difference");
    EXPECT_EQ(result.at("line"), std::to_string(changedLine));
    EXPECT_EQ(result.at("found").substr(0, expected.size()), expected);
    EXPECT_NE(result.at("expected"), result.at("found").substr(0, result.at("expected").size()));
}

TEST(Recording, ACutShortRecordingReplaysToItsEndAndABadOneIsRefused) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string rec = f.Path("blank.jsonl");
    ASSERT_EQ(RunTool(f, {"blank", "--chip", "16F628A", "--record", rec}).code, 0);
    std::ifstream in(rec);
    std::ofstream cut(f.Path("cut.jsonl"));
    std::string line;
    for (int n = 1; n <= 20 && std::getline(in, line); ++n)
        cut << line << '\n';
    cut << line.substr(0, line.size() / 2); // a crash in the middle of a line
    cut.close();
    CliRun run = RunTool(f, {"replay", "--fast", "--json", f.Path("cut.jsonl")});
    EXPECT_EQ(run.code, 0) << run.err;
    const auto result = ParseFlatJson(run.out);
    EXPECT_EQ(result.at("result"), "same");
    EXPECT_EQ(result.at("cut_short"), "true");
    EXPECT_EQ(result.at("line"), "20");

    std::ofstream(f.Path("not.jsonl")) << "{\"format\":\"tessaro-sess";
    EXPECT_EQ(RunTool(f, {"replay", f.Path("not.jsonl")}).code, 3);
    EXPECT_EQ(RunTool(f, {"replay", f.Path("missing.jsonl")}).code, 3);
    EXPECT_EQ(RunTool(f, {"blank", "--chip", "16F628A", "--fast"}).code, 3);
    EXPECT_EQ(RunTool(f, {"chips", "--record", rec}).code, 3);

    // A run that gave a serial number is refused, and its counter left alone.
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string log = f.Path("line.log");
    ASSERT_EQ(RunTool(f, {"program", file, "--chip", "16F628A", "--serial", "1000", "--serial-at",
                          "eeprom:0x20", "--log", log, "--record", f.Path("serial.jsonl")})
                  .code,
              0);
    const std::string state = ReadFile(log + ".serial");
    EXPECT_EQ(RunTool(f, {"replay", "--fast", f.Path("serial.jsonl")}).code, 3);
    EXPECT_EQ(ReadFile(log + ".serial"), state);

    // A program --watch run programmed the files saved after its first, which
    // its recording does not hold: refused, not replayed against the first.
    std::ofstream(f.Path("watch.jsonl"))
        << "{\"format\":\"tessaro-session\",\"version\":1,\"port\":\"COM1\",\"chip\":\"16F628A\","
           "\"operation\":\"program\",\"args\":[\"--chip\",\"16F628A\",\"--watch\",\"program\","
        << JsonQuoted(file) << "],\"file\":" << JsonQuoted(file) << ",\"hex_sha256\":\""
        << FileSha256Hex(file) << "\"}\n{\"t\":0,\"port\":\"open\"}\n";
    const CliRun watch = RunTool(f, {"replay", "--fast", f.Path("watch.jsonl")});
    EXPECT_EQ(watch.code, 3);
    EXPECT_NE(watch.err.find("records program --watch"), std::string::npos) << watch.err;
}

TEST(Recording, EachBoardOfAGangRunHasItsOwnRecording) {
    SimBoard a(Model::Elm, "16F628A");
    SimBoard b(Model::Elm, "16F628A");
    ProgramFolder f;
    CliRun run = RunTool(f, {"blank", "--chip", "16F628A", "--port", a.Url(), "--port", b.Url(),
                             "--record", f.Path("gang.jsonl")});
    ASSERT_EQ(run.code, 0) << run.err;
    for (SimBoard* sim : {&a, &b}) {
        std::string part;
        for (const char c : sim->Url())
            if (std::isalnum(static_cast<unsigned char>(c)))
                part += c;
        const Recording r = ReadBack(f.Path("gang-" + part + ".jsonl"));
        EXPECT_EQ(r.header.Str("port"), sim->Url());
        EXPECT_FALSE(r.cutShort);
        EXPECT_EQ(RunTool(f, {"replay", "--fast", f.Path("gang-" + part + ".jsonl")}).out,
                  "same\n");
    }
    EXPECT_FALSE(std::filesystem::exists(f.Path("gang.jsonl")));
}

TEST(Recording, TheRecordedBoardServedOnAPortAnswersTheSameRunAgain) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string rec = f.Path("verify.jsonl");
    ASSERT_EQ(RunTool(f, {"program", file, "--chip", "16F628A"}).code, 0);
    ASSERT_EQ(RunTool(f, {"verify", file, "--chip", "16F628A", "--record", rec}).code, 0);

    boardsim::RecordedSession session;
    std::string error;
    ASSERT_TRUE(boardsim::ReadRecordedSession(rec, session, error)) << error;
    std::vector<std::string> notices;
    boardsim::RecordedBoard recorded(session, [&](const std::string& n) { notices.push_back(n); });
    boardsim::Rfc2217Server server(recorded);
    ASSERT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
    const std::string url = "rfc2217://127.0.0.1:" + std::to_string(server.Port());
    CliRun again = RunTool(f, {"verify", file, "--chip", "16F628A", "--port", url, "--json"});
    server.Stop();
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(ParseFlatJson(again.out).at("result"), "done");
    EXPECT_TRUE(notices.empty()) << notices.front();
    EXPECT_TRUE(recorded.Finished());

    // Another operation: the recorded board stops answering where the host's bytes differ.
    boardsim::RecordedBoard strict(session, [&](const std::string& n) { notices.push_back(n); });
    boardsim::Rfc2217Server other(strict);
    ASSERT_TRUE(other.Start("127.0.0.1", 0, error)) << error;
    CliRun wrong = RunTool(f, {"blank", "--chip", "16F628A", "--port",
                               "rfc2217://127.0.0.1:" + std::to_string(other.Port())});
    other.Stop();
    EXPECT_NE(wrong.code, 0);
    EXPECT_TRUE(strict.Diverged());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("line "), std::string::npos) << notices[0];
}

} // namespace
