// Scripted sessions from the board's side, checked byte for byte.
#include "sim_fixtures.h"

#include "wire_codes.h"

namespace boardsim::test {
namespace {

TEST(BoardSession, HandshakeAnswersByteForByte) {
    Rig rig(Pic14(), Model::Birch_A);
    rig.link.Write(InitBlock(0x400, 0x40, 5));
    EXPECT_EQ(rig.link.ReadDelivery(), "PI"); // one piece: 'P' waits for the 'I'
    EXPECT_EQ(rig.Ask(Bytes({0x17})), Bytes({1}));
    rig.board.faults().modelCode = 'X';
    EXPECT_EQ(rig.Ask(Bytes({0x17})), "X");
    EXPECT_EQ(rig.Ask("P"), "P");
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
    // Words 2..7, which a 14-bit chip does not have, read as 0xFFFF.
    EXPECT_EQ(
        rig.Ask(Bytes({0x0D})),
        Bytes({'C',  0x62, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF,
               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F}));
    EXPECT_EQ(rig.Ask(Bytes({0x05})), "v");
    EXPECT_EQ(rig.Ask(Bytes({0x02, 'v'})), "v");
    EXPECT_EQ(rig.Ask(Bytes({0x06})), "V");
    EXPECT_EQ(rig.Ask(Bytes({0x01})), "Q");
    EXPECT_EQ(rig.board.parameters().romSize, 0x400);
    EXPECT_EQ(rig.board.parameters().eepromSize, 0x40);
    EXPECT_EQ(rig.board.parameters().coreType, 5);
}

TEST(BoardSession, InitVariablesSplitOverWritesStillAnswersPI) {
    Rig rig(Pic14());
    const std::string block = InitBlock(0x400, 0x40, 5);
    EXPECT_EQ(rig.Ask(block.substr(0, 2)), "P"); // nothing follows yet: 'P' goes alone
    EXPECT_EQ(rig.Ask(block.substr(2, 4)), "");
    EXPECT_EQ(rig.Ask(block.substr(6)), "I");
}

TEST(BoardSession, ProgramMemoryWriteAsksOneWordPastTheCount) {
    Rig rig(Pic14());
    rig.Ask(InitBlock(0x400, 0x40, 5));
    std::string answers = rig.Ask(Bytes({0x07, 0x00, 0x04}));
    const std::uint16_t words[] = {0x3FF2, 0x00FF, 0x1234, 0x2800};
    for (std::uint16_t w : words) {
        answers += rig.Ask(Bytes({w >> 8, w & 0xFF}));
    }
    answers += rig.Ask(Bytes({0x00, 0x00})); // the request past the count
    EXPECT_EQ(answers, "YYYYYP");
    EXPECT_EQ(rig.board.chip().Rom(0), 0x3FF2);
    EXPECT_EQ(rig.board.chip().Rom(1), 0x00FF);
    EXPECT_EQ(rig.board.chip().Rom(2), 0x1234);
    EXPECT_EQ(rig.board.chip().Rom(3), 0x2800);
    EXPECT_EQ(rig.board.chip().Rom(4), 0x3FFF);
    EXPECT_EQ(rig.board.HostErrors(), 0);
    // Back at the command level.
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
}

TEST(BoardSession, ProgramMemoryPaddingMustBeZero) {
    Rig rig(Pic14());
    rig.Ask(Bytes({0x07, 0x00, 0x01}));
    rig.Ask(Bytes({0x12, 0x34}));
    EXPECT_EQ(rig.Ask(Bytes({0x3F, 0xFF})), "P");
    EXPECT_EQ(rig.board.HostErrors(), 1);
    EXPECT_EQ(rig.board.chip().Rom(1), 0x3FFF);
}

TEST(BoardSession, EepromWriteTakesPairs) {
    Rig rig(Pic14());
    std::string answers = rig.Ask(Bytes({0x08, 0x00, 0x06}));
    answers += rig.Ask(Bytes({0x11, 0x22}));
    answers += rig.Ask(Bytes({0x33, 0x44}));
    answers += rig.Ask(Bytes({0x55, 0x66}));
    EXPECT_EQ(answers, "YYYP");
    EXPECT_EQ(rig.board.chip().Eeprom(0), 0x11);
    EXPECT_EQ(rig.board.chip().Eeprom(5), 0x66);
    EXPECT_EQ(rig.board.chip().Eeprom(6), 0xFF);
}

std::string IdFuses(std::initializer_list<int> id, std::uint16_t fuse1) {
    std::string out = Bytes({0x09, 0x30, 0x30});
    for (int digit : id) {
        out += static_cast<char>(digit);
    }
    out += Bytes({fuse1 & 0xFF, fuse1 >> 8});
    for (int k = 1; k < kConfigWords; ++k) {
        out += Bytes({0xFF, 0xFF});
    }
    return out;
}

TEST(BoardSession, IdAndFusesOn14BitCoreAnswerFF) {
    Rig rig(Pic14());
    rig.Ask(InitBlock(0x400, 0x40, 5));
    EXPECT_EQ(rig.Ask(IdFuses({1, 2, 3, 4, 15, 15, 15, 15}, 0x3FF2)), Bytes({0xFF}));
    EXPECT_EQ(rig.board.chip().Config(0), 0x3FF2);
    EXPECT_EQ(rig.board.chip().Id(0), 1);
    EXPECT_EQ(rig.board.chip().Id(3), 4);
    const std::string config = rig.Ask(Bytes({0x0D}));
    ASSERT_EQ(config.size(), 27u);
    EXPECT_EQ(config.substr(3, 8), Bytes({1, 2, 3, 4, 15, 15, 15, 15}));
    EXPECT_EQ(config.substr(11, 2), Bytes({0xF2, 0x3F}));
}

TEST(BoardSession, IdAndFusesOn16BitCoreWaitForProgramFuses) {
    Rig rig(Pic16());
    rig.Ask(InitBlock(0x4000, 0x100, 1));
    EXPECT_EQ(rig.Ask(IdFuses({0xA, 0xB, 0xC, 0xD, 1, 2, 3, 4}, 0x2200)), Bytes({0xFF}));
    EXPECT_EQ(rig.board.chip().Id(7), 4);
    EXPECT_EQ(rig.board.chip().Config(0), 0x27FF); // not yet written
    EXPECT_EQ(rig.Ask(Bytes({0x14})), "Y");
    EXPECT_EQ(rig.board.chip().Config(0), 0x2200);
    EXPECT_EQ(rig.board.chip().Config(1), 0xFFFF);
}

TEST(BoardSession, ReadRomStreams128BlocksForA400WordChip) {
    Rig rig(Pic14());
    rig.board.chip().SetRom(0, 0x3FF2);
    rig.board.chip().SetRom(0x3FF, 0x0123);
    rig.Ask(InitBlock(0x400, 0x40, 5));
    const auto blocks = rig.Deliveries(Bytes({0x0B}));
    ASSERT_EQ(blocks.size(), 128u);
    for (const std::string& block : blocks) {
        ASSERT_EQ(block.size(), 16u);
    }
    EXPECT_EQ(blocks[0].substr(0, 4), Bytes({0x3F, 0xF2, 0x3F, 0xFF}));
    EXPECT_EQ(blocks[127].substr(14), Bytes({0x01, 0x23}));
}

TEST(BoardSession, ReadEepromPadsTheLastBlock) {
    Rig rig(SerialEeprom());
    rig.board.chip().SetEeprom(0, 0x42);
    rig.Ask(InitBlock(0, 20, 0));
    const auto blocks = rig.Deliveries(Bytes({0x0C}));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0][0], 0x42);
    EXPECT_EQ(blocks[1], std::string(16, '\xFF'));
}

TEST(BoardSession, BlankCheckCountsPagesAndStopsAtTheFirstWrittenOne) {
    Rig rig(Pic14());
    rig.Ask(InitBlock(0x400, 0x40, 5));
    rig.link.Write(Bytes({0x10, 0x3F}));
    // A page takes the board its time, so no two progress answers come in one read.
    EXPECT_EQ(rig.link.ReadAll(), "");
    rig.link.Advance(2000);
    EXPECT_EQ(rig.link.ReadAll(), "B");
    rig.link.Advance(2000);
    EXPECT_EQ(rig.link.ReadAll(), "B");
    rig.link.Advance(4000);
    EXPECT_EQ(rig.link.ReadAll(), "BY");
    EXPECT_EQ(rig.Ask(Bytes({0x11})), "Y");
    rig.board.chip().SetRom(0x250, 0x0000);
    rig.board.chip().SetEeprom(0x3F, 0x00);
    EXPECT_EQ(rig.Ask(Bytes({0x10, 0x3F})), "BBN");
    EXPECT_EQ(rig.Ask(Bytes({0x11})), "N");
}

TEST(BoardSession, BlankCheckLeavesTheCalibrationWordOut) {
    Rig rig(Pic14Cal());
    rig.board.chip().SetRom(0x3FF, 0x3480);
    rig.Ask(InitBlock(0x400, 0x80, 5, 3));
    EXPECT_EQ(rig.Ask(Bytes({0x10, 0x3F})), "BBBY");
    rig.Ask(InitBlock(0x400, 0x80, 5, 0));
    EXPECT_EQ(rig.Ask(Bytes({0x10, 0x3F})), "BBBN");
}

TEST(BoardSession, SerialEepromEraseSendsOneCPer256Bytes) {
    Rig rig(SerialEeprom());
    rig.board.chip().SetEeprom(0x7FF, 0x00);
    rig.Ask(InitBlock(0, 0x800, 0));
    const auto pieces = rig.Deliveries(Bytes({0x0F}));
    EXPECT_EQ(pieces, (std::vector<std::string>{"C", "C", "C", "C", "C", "C", "C", "C", "Y"}));
    EXPECT_EQ(rig.board.chip().Eeprom(0x7FF), 0xFF);
}

TEST(BoardSession, EraseBlanksEverythingAndWriteCalibrationRestoresIt) {
    Rig rig(Pic14Cal());
    Chip& chip = rig.board.chip();
    chip.SetRom(0, 0x1234);
    chip.SetRom(0x3FF, 0x3480);
    chip.SetConfig(0, 0x31C4);
    chip.SetId(0, 0x05);
    chip.SetEeprom(1, 0x00);
    rig.Ask(InitBlock(0x400, 0x80, 5, 3));
    EXPECT_EQ(rig.Ask(Bytes({0x0F})), "Y");
    EXPECT_EQ(chip.Rom(0), 0x3FFF);
    EXPECT_EQ(chip.CalibrationWord(), 0x3FFF);
    EXPECT_EQ(chip.Config(0), 0x3FFF);
    EXPECT_EQ(chip.Id(0), 0xFF);
    EXPECT_EQ(chip.Eeprom(1), 0xFF);
    // The host writes back the calibration word and the bandgap bits it read before.
    EXPECT_EQ(rig.Ask(Bytes({0x0A, 0x34, 0x80, 0x31, 0xFF})), "Y");
    EXPECT_EQ(chip.CalibrationWord(), 0x3480);
    EXPECT_EQ(chip.Config(0), 0x31FF);
}

TEST(BoardSession, UnknownCodesAreNotSupported) {
    Rig rig(Pic14());
    EXPECT_EQ(rig.Ask(Bytes({0x0E})), "?F?N");
    EXPECT_EQ(rig.Ask(Bytes({0x18})), "?F?N");
    EXPECT_EQ(rig.Ask(Bytes({0x02, 'Y'})), "Y");
}

TEST(BoardSession, ResetPulseByPolarityGreetsWithTheModelCode) {
    const struct {
        Model model;
        bool resetHigh;
        std::string greeting;
    } cases[] = {
        {Model::Alder, true, Bytes({'B', 0})},
        {Model::Birch_A, false, Bytes({'B', 1})},
        {Model::Birch_B, false, Bytes({'B', 2})},
        {Model::Cedar, true, Bytes({'B', 3})},
        {Model::Elm, true, "BL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ModelName(c.model));
        Rig rig(Pic14(), c.model);
        rig.link.SetDtr(!c.resetHigh); // already the idle level: nothing happens
        EXPECT_EQ(rig.link.Drain(), "");
        rig.link.SetDtr(c.resetHigh);
        EXPECT_TRUE(rig.board.InReset());
        EXPECT_EQ(rig.Ask(Bytes({0x04})), ""); // held in reset: deaf
        rig.link.Advance(1'000'000);
        rig.link.SetDtr(!c.resetHigh);
        EXPECT_EQ(rig.link.ReadDelivery(), c.greeting);
        EXPECT_EQ(rig.Ask(Bytes({0x17})), Bytes({ModelCode(c.model)}));
    }
    EXPECT_EQ(ModelCode(Model::Elm), 4);
}

TEST(BoardSession, ResetAbandonsATransferHalfWay) {
    Rig rig(Pic14(), Model::Elm);
    rig.Ask(Bytes({0x07, 0x00, 0x08}));
    rig.Ask(Bytes({0x12, 0x34}));
    rig.link.SetDtr(true);
    rig.link.SetDtr(false);
    EXPECT_EQ(rig.link.Drain(), "BL");
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V"); // a command again, not word data
}

TEST(BoardSession, WaitForSocketAnswersPAThenYWhenTheSocketChanges) {
    Rig rig(Pic14());
    EXPECT_EQ(rig.Ask(Bytes({'P', 0x16})), "PA");
    EXPECT_EQ(rig.Ask(Bytes({0x04})), ""); // busy watching the socket
    rig.board.RemoveChip();
    EXPECT_EQ(rig.link.Drain(), "Y");
    EXPECT_EQ(rig.Ask(Bytes({'P', 0x15})), "PA");
    rig.board.InsertChip();
    EXPECT_EQ(rig.link.Drain(), "Y");
}

TEST(BoardSession, WaitForAChipAlreadyThereAnswersYAfterSettling) {
    Rig rig(Pic14());
    rig.link.Write(Bytes({'P', 0x15}));
    EXPECT_EQ(rig.link.ReadDelivery(), "PA");
    EXPECT_EQ(rig.link.ReadDelivery(), "");
    rig.link.Advance(20'000);
    EXPECT_EQ(rig.link.ReadDelivery(), "Y");
}

TEST(BoardSession, EmptySocketReadsZeroAndKeepsNothing) {
    Rig rig(Pic14());
    rig.board.RemoveChip();
    rig.Ask(Bytes({0x07, 0x00, 0x01, 0x12, 0x34, 0x00, 0x00}));
    rig.board.InsertChip();
    EXPECT_EQ(rig.board.chip().Rom(0), 0x3FFF);
    rig.board.RemoveChip();
    EXPECT_EQ(rig.Ask(Bytes({0x0D})), std::string(1, 'C') + std::string(26, '\0'));
}

// A whole Program operation of a 14-bit chip in the host's order of commands.
TEST(BoardSession, WholeProgramOperationLeavesTheImageInTheChip) {
    Rig rig(Pic14(), Model::Elm);
    std::string script = rig.Ask(InitBlock(0x400, 0x40, 5)) + rig.Ask(Bytes({0x17})) +
                         rig.Ask(Bytes({0x04})) + rig.Ask(Bytes({0x0D})).substr(0, 1) +
                         rig.Ask(Bytes({0x05})) + rig.Ask(Bytes({0x04}));
    script += rig.Ask(Bytes({0x10, 0x3F})) + rig.Ask(Bytes({0x06})) + rig.Ask(Bytes({0x11})) +
              rig.Ask(Bytes({0x05})) + rig.Ask(Bytes({0x04}));
    script += rig.Ask(Bytes({0x07, 0x00, 0x04}));
    for (int w = 0; w < 5; ++w) {
        script += rig.Ask(w < 4 ? Bytes({0x20, w}) : Bytes({0, 0}));
    }
    script += rig.Ask(Bytes({0x06})) + rig.Ask(Bytes({0x08, 0x00, 0x02, 0xAA, 0x55}));
    script += rig.Ask(Bytes({0x06}));
    const std::string eeprom = rig.Ask(Bytes({0x0C}));
    script += rig.Ask(Bytes({0x06}));
    script += rig.Ask(IdFuses({1, 2, 3, 4, 15, 15, 15, 15}, 0x3FF1));
    script += rig.Ask(Bytes({0x05})) + rig.Ask(Bytes({0x01}));
    EXPECT_EQ(script, Bytes({'P', 'I', 4, 'V', 'C', 'v', 'V'}) + "BBBYVYvV" + "YYYYYP" + "V" +
                          "YP" + "V" + "V" + Bytes({0xFF}) + "vQ");
    ASSERT_EQ(eeprom.size(), 0x40u);
    EXPECT_EQ(eeprom.substr(0, 3), Bytes({0xAA, 0x55, 0xFF}));
    EXPECT_EQ(rig.board.chip().Rom(3), 0x2003);
    EXPECT_EQ(rig.board.chip().Config(0), 0x3FF1);
}

} // namespace
} // namespace boardsim::test
