// Help > Record Session... and tessaro --record FILE in the window against the
// simulator: the session from the port's opening to its closing, and the
// simulator holds to it.
#include "e2e_support.h"
#include "link/session_recording.h"
#include "recording_check.h"

#include <QAction>

namespace {
using namespace e2e;

TEST(RecordSession, TheWindowsSessionIsRecordedFromTheBoardsGreetingToTheEnd) {
    Connected c("e2e-record", "16F628A");
    TestWindow& w = *c.w;
    auto* record = w.Find<QAction>("RecordSession1");
    const std::string path = (c.h.dir / "window.jsonl").string();
    c.h.dialogs.files.push_back(path);
    record->trigger();
    EXPECT_TRUE(record->isChecked());
    // The port opens again: the board greets into the recording.
    EXPECT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    EXPECT_NE(ReadInfoBox(c.h, w).find("Chip ID = 1060"), std::string::npos);
    record->trigger();
    EXPECT_FALSE(record->isChecked());
    EXPECT_TRUE(WaitForStatus(w, "Birch_A board connected")); // the port without a recording

    Recording r;
    std::string error;
    ASSERT_TRUE(ReadRecording(path, r, error)) << error;
    EXPECT_FALSE(r.cutShort);
    EXPECT_EQ(r.header.Str("operation"), "session");
    EXPECT_EQ(r.header.Str("style"), "Birch_A");
    EXPECT_EQ(r.header.Str("chip"), "16F628A");
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.front().kind, RecordedEvent::Kind::Open);
    int results = 0, states = 0, board = 0;
    for (const RecordedEvent& e : r.events) {
        results += e.kind == RecordedEvent::Kind::Result ? 1 : 0;
        states += e.kind == RecordedEvent::Kind::State ? 1 : 0;
        board += e.kind == RecordedEvent::Kind::BoardBytes ? 1 : 0;
    }
    EXPECT_EQ(results, 1);
    EXPECT_GT(states, 3);
    EXPECT_GT(board, 3);
    EXPECT_NE(c.h.ReadFile("window.jsonl")
                  .find("\"result\":{\"operation\":\"info\",\"result\":\"done\"}"),
              std::string::npos);

    // What the window recorded, the simulator answers alike.
    boardsim::RecordedSession session;
    ASSERT_TRUE(boardsim::ReadRecordedSession(path, session, error)) << error;
    boardsim::Board fresh(boardsim::Model::Birch_A, SocketChip("16F628A"));
    const auto differences = boardsim::CheckRecording(fresh, session, -1);
    EXPECT_TRUE(differences.empty())
        << "line " << differences.front().line << ": " << differences.front().recorded << " / "
        << differences.front().simulated;
}

TEST(RecordSession, TheCommandLinesRecordingBeginsWithTheGreeting) {
    MainWindowHarness h("e2e-record-arg");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Birch_A);
    h.WriteFile("pro.dat", SettingsFile(1));
    const std::string path = (h.dir / "start.jsonl").string();
    TestWindow& w = h.Start({"--record", path});
    EXPECT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    // The option is the window's: not a HEX file to open.
    EXPECT_TRUE(h.dialogs.Texts().empty());
    EXPECT_TRUE(w.Recording());

    Recording r;
    std::string error;
    ASSERT_TRUE(ReadRecording(path, r, error)) << error;
    EXPECT_EQ(r.header.Str("operation"), "session");
    EXPECT_EQ(r.header.Str("style"), "Birch_A");
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.front().kind, RecordedEvent::Kind::Open);
    // What the board says before the program sends a byte is its greeting.
    std::string greeting;
    for (const RecordedEvent& e : r.events) {
        if (e.kind == RecordedEvent::Kind::HostBytes)
            break;
        if (e.kind == RecordedEvent::Kind::BoardBytes)
            greeting += e.bytes;
    }
    EXPECT_EQ(greeting, std::string("B\x01", 2));

    boardsim::RecordedSession session;
    ASSERT_TRUE(boardsim::ReadRecordedSession(path, session, error)) << error;
    boardsim::Board fresh(boardsim::Model::Birch_A, SocketChip(""));
    const auto differences = boardsim::CheckRecording(fresh, session, -1);
    EXPECT_TRUE(differences.empty())
        << "line " << differences.front().line << ": " << differences.front().recorded << " / "
        << differences.front().simulated;
}

} // namespace
