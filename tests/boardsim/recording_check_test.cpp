// The simulator held to a recording: the golden recordings (made by the
// simulator itself over a real socket in real time) check out against a
// board on virtual time; a board that differs is caught at the recorded line.
#include "chip_hex.h"
#include "chip_info.h"
#include "recording_check.h"
#include "sim_fixtures.h"

#include <gtest/gtest.h>

namespace boardsim::test {
namespace {

Board GoldenBoard(const std::string& chip) {
    std::vector<std::string> cid;
    EXPECT_TRUE(ReadTextLines(std::string(TESSARO_SOURCE_DIR) + "/data/chipinfo.cid", cid));
    const ChipInfoResult found = FindChipInfo(cid, chip);
    EXPECT_TRUE(found.ok) << found.error;
    return Board(Model::Elm, Chip(found.config));
}

RecordedSession Golden(const std::string& name) {
    RecordedSession session;
    std::string error;
    EXPECT_TRUE(ReadRecordedSession(
        std::string(TESSARO_SOURCE_DIR) + "/tests/golden/" + name + ".jsonl", session, error))
        << error;
    return session;
}

TEST(RecordingCheck, TheGoldenRecordingsCheckOutAgainstTheSimulator) {
    for (const char* name :
         {"16f84a-program", "16f84a-blank", "18f1220-program", "24c02-program"}) {
        const RecordedSession session = Golden(name);
        ASSERT_GT(session.steps.size(), 20u) << name;
        Board board = GoldenBoard(session.chip);
        const std::vector<CheckDifference> differences = CheckRecording(board, session, -1);
        EXPECT_TRUE(differences.empty())
            << name << " line " << differences.front().line << ": recorded "
            << differences.front().recorded << ", simulated " << differences.front().simulated;
    }
}

TEST(RecordingCheck, AnotherChipRevisionDiffersWhereTheBoardNamesItsChip) {
    const RecordedSession session = Golden("16f84a-blank");
    Board board = GoldenBoard("16F84A");
    ChipConfig other = board.chip().config();
    other.idWord = static_cast<std::uint16_t>(other.idWord ^ 0x01);
    Board revised(Model::Elm, Chip(other));
    const std::vector<CheckDifference> differences = CheckRecording(revised, session, -1);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].recorded.substr(0, 2), "43"); // 'C', the configuration answer
    EXPECT_NE(differences[0].recorded, differences[0].simulated);
    EXPECT_EQ(differences[0].recorded.size(), differences[0].simulated.size());
    // The line is the recording's own: its board bytes stand there.
    int line = 0;
    for (const RecordedStep& step : session.steps)
        if (step.kind == RecordedStep::Kind::Board &&
            HexText(step.bytes) == differences[0].recorded)
            line = step.line;
    EXPECT_EQ(differences[0].line, line);
}

TEST(RecordingCheck, AtWireSpeedTheAnswersComeLaterThanAnUnpacedBoardGaveThem) {
    // The golden recordings were made against an unpaced simulator: a board
    // paced at 19200 baud gives the same bytes, later.
    const RecordedSession session = Golden("16f84a-blank");
    Board paced = GoldenBoard("16F84A");
    Pacing pacing;
    pacing.enabled = true;
    pacing.baud = 19200;
    paced.SetPacing(pacing);
    const std::vector<CheckDifference> late = CheckRecording(paced, session, 0);
    ASSERT_FALSE(late.empty());
    EXPECT_EQ(late[0].recorded, late[0].simulated);
    EXPECT_GT(late[0].simulatedUs, late[0].recordedUs);

    Board lenient = GoldenBoard("16F84A");
    lenient.SetPacing(pacing);
    EXPECT_TRUE(CheckRecording(lenient, session, 10'000'000).empty());
}

TEST(RecordingCheck, OnlyASessionRecordingIsRead) {
    RecordedSession session;
    std::string error;
    EXPECT_FALSE(ParseRecordedSession("{\"format\":\"other\"}\n", session, error));
    EXPECT_FALSE(ParseRecordedSession("", session, error));
    ASSERT_TRUE(ParseRecordedSession("{\"format\":\"tessaro-session\",\"chip\":\"24C02\","
                                     "\"baud\":9600,\"style\":\"Cedar\"}\n"
                                     "{\"t\":5,\"line\":\"DTR\",\"level\":1}\n"
                                     "{\"t\":9,\"dir\":\"host\",\"hex\":\"5003\"}\n"
                                     "{\"t\":10,\"state\":10,\"name\":\"AwaitStart\"}\n"
                                     "{\"t\":12,\"dir\":\"board\",\"hex\":\"50",
                                     session, error));
    EXPECT_EQ(session.chip, "24C02");
    EXPECT_EQ(session.style, "Cedar");
    EXPECT_EQ(session.baud, 9600);
    ASSERT_EQ(session.steps.size(), 2u); // the cut line is left out; states are no steps
    EXPECT_EQ(session.steps[0].kind, RecordedStep::Kind::Dtr);
    EXPECT_TRUE(session.steps[0].level);
    EXPECT_EQ(session.steps[1].bytes, Bytes({0x50, 0x03}));
    EXPECT_EQ(session.steps[1].line, 3);
}

} // namespace
} // namespace boardsim::test
