// The bytes of the board's commands and the rules that cut answers out of the
// received text.
#include "protocol/command_set.h"
#include "protocol/engine.h"

#include <gtest/gtest.h>

namespace {
std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

TEST(CommandSet, InitVariablesSwapsVppFirstSequencesInIcspMode) {
    ChipRecord chip;
    chip.ROMSize = 0x800;
    chip.EEPROMSize = 0x80;
    chip.CoreType = 7;
    chip.CalFlags = 3;
    chip.ProgramDelay = 50;
    chip.EraseMode = 2;
    chip.ProgramTries = 1;
    chip.OverProgram = 0;
    for (int sequence : {0, 1, 2, 3, 4}) {
        chip.PowerSequence = sequence;
        const std::vector<std::string> normal = InitVariablesWrites(chip, false);
        const std::vector<std::string> icsp = InitVariablesWrites(chip, true);
        ASSERT_EQ(normal.size(), 4u);
        EXPECT_EQ(normal[0] + normal[1] + normal[2] + normal[3],
                  Bytes({'P', 3, 0x08, 0x00, 0x00, 0x80, 7, 3, 50, sequence, 2, 1, 0}));
        EXPECT_EQ(normal[0], "P\x03"); // its own write, then the two sizes
        EXPECT_EQ(icsp[3][3], sequence == 3 ? 1 : sequence == 4 ? 2 : sequence);
    }
}

TEST(CommandSet, IdAndFusesGoOutDigitByDigitAndLowByteFirst) {
    std::array<int, 8> fuses{0, 0x3FF2, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0x1234};
    const std::string bytes = ProgramIDFusesBytes("1234", fuses);
    ASSERT_EQ(bytes.size(), 25u);
    EXPECT_EQ(bytes.substr(0, 11), Bytes({9, '0', '0', 1, 2, 3, 4, 15, 15, 15, 15}));
    EXPECT_EQ(bytes.substr(11, 2), Bytes({0xF2, 0x3F}));
    EXPECT_EQ(bytes.substr(23, 2), Bytes({0x34, 0x12}));
    EXPECT_EQ(ProgramIDFusesBytes("0123ABCD", fuses).substr(3, 8),
              Bytes({0, 1, 2, 3, 10, 11, 12, 13}));
    EXPECT_EQ(WordBytes(0x3FF2), Bytes({0x3F, 0xF2})); // program words: high byte first
}

TEST(CommandSet, CalibrationBlankCheckAndTheWideCoreSubstitutions) {
    std::string config(26, '\0');
    config[10] = static_cast<char>(0xFF); // configuration word 1 = 0x2DFF (bandgap 1 0)
    config[11] = 0x2D;
    config[24] = static_cast<char>(0x80); // calibration word 0x3480
    config[25] = 0x34;
    EXPECT_EQ(WriteCalibrationBytes(config, 0x31FF), Bytes({0x0A, 0x34, 0x80, 0x21, 0xFF}));
    EXPECT_EQ(BlankCheckROMBytes(0x3FFF), Bytes({0x10, 0x3F}));
    EXPECT_EQ(BlankCheckROMBytes(0xFFF), Bytes({0x10, 0x0F}));
    EXPECT_EQ(VoltagesOnFor(5), Bytes({0x04}));
    EXPECT_EQ(CycleVoltagesFor(5), Bytes({0x06}));
    EXPECT_EQ(VoltagesOffFor(5), Bytes({0x05}));
    for (int wide : {1, 2}) {
        EXPECT_EQ(VoltagesOnFor(wide), Bytes({0x02, 'V'}));
        EXPECT_EQ(CycleVoltagesFor(wide), Bytes({0x02, 'V'}));
        EXPECT_EQ(VoltagesOffFor(wide), Bytes({0x02, 'v'}));
    }
}

TEST(CommandSet, BusyMarksAndErrorStrings) {
    EXPECT_EQ(AfterBusyAnswers("?"), std::string::npos);
    EXPECT_EQ(AfterBusyAnswers("??\xFF"), 2u);
    EXPECT_EQ(AfterBusyAnswers(std::string(1, '\0')), 0u);
    EXPECT_EQ(AfterBusyAnswers("?E?P"), std::string::npos); // an error string, not a status
    for (const char* waiting : {"?", "?E", "?F?", "?E?P", "xx?F?N"})
        EXPECT_TRUE(BoardErrorPending(waiting)) << waiting;
    for (const char* answer : {"V", "?X", "PI", "E?P"})
        EXPECT_FALSE(BoardErrorPending(answer)) << answer;
}
} // namespace
