// Each fault the board can be asked to show, and the wire-speed pacing.
#include "sim_fixtures.h"

#include "fault_commands.h"

namespace boardsim::test {
namespace {

void Reset(Rig& rig) {
    rig.link.SetDtr(!ResetLevel(rig.board.model()));
    rig.link.SetDtr(ResetLevel(rig.board.model()));
    rig.link.SetDtr(!ResetLevel(rig.board.model()));
}

TEST(BoardFaults, SilenceAfterSomeBytesLastsUntilAReset) {
    Rig rig(Pic14(), Model::Cedar);
    rig.board.faults().silentAfterBytes = 3;
    EXPECT_EQ(rig.Ask(Bytes({0x0D})), Bytes({'C', 0x62, 0x05}));
    EXPECT_TRUE(rig.board.Silent());
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "");
    Reset(rig);
    EXPECT_EQ(rig.link.Drain(), Bytes({'B', 3}));
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
}

TEST(BoardFaults, SilenceAtACommandSwallowsItsArguments) {
    Rig rig(Pic14(), Model::Cedar);
    rig.board.faults().silentAtCommand = cmd::ReadConfig;
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
    EXPECT_EQ(rig.Ask(Bytes({0x0D})), "");
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "");
    Reset(rig);
    rig.link.Drain();
    EXPECT_EQ(rig.Ask(Bytes({0x0D})).size(), 27u); // the fault fired once
}

TEST(BoardFaults, RomWriteFailureAnswersNOneRequestLate) {
    Rig rig(Pic14());
    rig.board.faults().romFailAtWord = 8;
    std::string answers = rig.Ask(Bytes({0x07, 0x00, 0x10}));
    for (int word = 0; word < 12 && answers.back() == 'Y'; ++word) {
        answers += rig.Ask(Bytes({0x00, word}));
    }
    // Ten requests: the host has sent words 0..9 when 'N' comes, and reports 10 - 2 = 8.
    EXPECT_EQ(answers, std::string(10, 'Y') + "N");
    EXPECT_EQ(rig.board.chip().Rom(7), 7);
    EXPECT_EQ(rig.board.chip().Rom(8), 0x3FFF);
    EXPECT_EQ(rig.Ask(Bytes({0x05})), "v");
}

TEST(BoardFaults, IdFusesStatusFailsOnRequestOrWhenBitsCannotBeSet) {
    const std::string idFuses =
        Bytes({0x09, 0x30, 0x30, 1,    2,    3,    4,    15,   15,   15,   15,   0xFF, 0x3F,
               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    Rig rig(Pic14());
    rig.board.faults().idFusesFail = true;
    EXPECT_EQ(rig.Ask(idFuses), Bytes({0x00}));
    EXPECT_EQ(rig.Ask(idFuses), Bytes({0xFF}));

    ChipConfig otp = Pic14();
    otp.flash = false;
    Rig once(otp);
    once.board.chip().SetConfig(0, 0x3F00); // an OTP part cannot set these bits again
    EXPECT_EQ(once.Ask(idFuses), Bytes({0x00}));
}

TEST(BoardFaults, IdFusesBusyAnswersComeAsSeparatePieces) {
    Rig rig(Pic14());
    rig.board.faults().idFusesBusy = 2;
    std::string idFuses = Bytes({0x09, 0x30, 0x30});
    idFuses += std::string(22, '\x0F');
    EXPECT_EQ(rig.Deliveries(idFuses), (std::vector<std::string>{"?", "?", Bytes({0xFF})}));
}

TEST(BoardFaults, CalibrationWriteAnswersCOrF) {
    Rig rig(Pic14Cal());
    rig.Ask(InitBlock(0x400, 0x80, 5, 3));
    const std::string write = Bytes({0x0A, 0x34, 0x80, 0x31, 0xFF});
    rig.board.faults().calibrationAnswer = 'C';
    EXPECT_EQ(rig.Ask(write), "C");
    EXPECT_EQ(rig.board.chip().CalibrationWord(), 0x3FFF);
    rig.board.faults().calibrationAnswer = 'F';
    EXPECT_EQ(rig.Ask(write), "F");
    EXPECT_EQ(rig.Ask(write), "Y");
}

TEST(BoardFaults, ErrorStringsReplaceAnAnswerAndTheCommandIsNotRun) {
    Rig rig(Pic14());
    rig.board.faults().replaceAtCommand = cmd::ReadConfig;
    rig.board.faults().replacement = "?E?P";
    EXPECT_EQ(rig.Ask(Bytes({0x0D})), "?E?P");
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");

    Rig eeprom(SerialEeprom());
    eeprom.board.faults().replaceAtCommand = cmd::ProgramEEPROM;
    eeprom.board.faults().replacement = "X";
    EXPECT_EQ(eeprom.Ask(Bytes({0x08, 0x00, 0x02})), "X");
    EXPECT_EQ(eeprom.Ask(Bytes({0x05})), "v"); // no pair is awaited
}

TEST(BoardFaults, WrongModelAndGreetingCodes) {
    Rig rig(Pic14(), Model::Alder);
    rig.board.faults().modelCode = 2;
    rig.board.faults().greetingCode = 9;
    EXPECT_EQ(rig.Ask(Bytes({0x17})), Bytes({2}));
    Reset(rig);
    EXPECT_EQ(rig.link.Drain(), Bytes({'B', 9}));
}

TEST(BoardFaults, NoiseGoesAheadOfTheNextAnswerAndCanBeInjectedAnyTime) {
    Rig rig(Pic14());
    rig.board.faults().noise = Bytes({0x00, 0x7E});
    EXPECT_EQ(rig.Ask(Bytes({0x04})), Bytes({0x00, 0x7E, 'V'}));
    EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
    rig.board.InjectNoise("zz");
    EXPECT_EQ(rig.link.Drain(), "zz");
}

TEST(BoardFaults, SplitCutsTheReadStreamIntoGivenPieces) {
    Rig rig(Pic14());
    rig.Ask(InitBlock(0x400, 0x40, 5));
    rig.board.faults().splitSizes = {5, 20, 7};
    rig.board.ApplyOutputFaults();
    const auto pieces = rig.Deliveries(Bytes({0x0B}));
    ASSERT_EQ(pieces.size(), 3u * 64u);
    EXPECT_EQ(pieces[0].size(), 5u);
    EXPECT_EQ(pieces[1].size(), 20u);
    EXPECT_EQ(pieces[2].size(), 7u);
    std::string all;
    for (const auto& p : pieces) {
        all += p;
    }
    std::string blank;
    for (int w = 0; w < 0x400; ++w) {
        blank += Bytes({0x3F, 0xFF});
    }
    EXPECT_EQ(all, blank);
}

TEST(BoardFaults, JoinedAndDoubledAnswersArriveAsOnePiece) {
    Rig rig(Pic14());
    EXPECT_EQ(rig.Deliveries(Bytes({0x04, 0x04})), (std::vector<std::string>{"V", "V"}));
    rig.board.faults().joinAnswers = true;
    rig.board.ApplyOutputFaults();
    EXPECT_EQ(rig.Deliveries(Bytes({0x04, 0x04})), (std::vector<std::string>{"VV"}));
    rig.board.faults().joinAnswers = false;
    rig.board.ApplyOutputFaults();
    rig.board.faults().doubleAtCommand = cmd::VoltagesOn;
    EXPECT_EQ(rig.Deliveries(Bytes({0x04})), (std::vector<std::string>{"VV"}));
    EXPECT_EQ(rig.Deliveries(Bytes({0x04})), (std::vector<std::string>{"V"}));
}

TEST(BoardFaults, StuckBitsMakeTheChipDifferAfterWriting) {
    Rig rig(Pic14());
    rig.board.faults().stuckRom = {1, 0x0001, 0x0000};
    rig.board.faults().stuckEeprom = {0, 0x0000, 0x0080};
    rig.Ask(Bytes({0x07, 0x00, 0x02, 0x3F, 0xFF, 0x3F, 0xFF, 0x00, 0x00}));
    rig.Ask(Bytes({0x08, 0x00, 0x02, 0x01, 0x02}));
    EXPECT_EQ(rig.board.chip().Rom(0), 0x3FFF);
    EXPECT_EQ(rig.board.chip().Rom(1), 0x3FFE);
    EXPECT_EQ(rig.board.chip().Eeprom(0), 0x81);
    EXPECT_EQ(rig.board.chip().Eeprom(1), 0x02);
}

TEST(BoardFaults, FaultWordsSetTheFaults) {
    Faults f;
    std::string error;
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("answer ReadConfig ?F?N"), error));
    EXPECT_EQ(f.replaceAtCommand, cmd::ReadConfig);
    EXPECT_EQ(f.replacement, "?F?N");
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("answer 0x08"), error));
    EXPECT_EQ(f.replaceAtCommand, cmd::ProgramEEPROM);
    EXPECT_EQ(f.replacement, "X");
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("model X"), error));
    EXPECT_EQ(f.modelCode, 'X');
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("greeting 7"), error));
    EXPECT_EQ(f.greetingCode, 7);
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("split 5,20,7"), error));
    EXPECT_EQ(f.splitSizes, (std::vector<int>{5, 20, 7}));
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("stuck-rom 0x10 1 0"), error));
    EXPECT_EQ(f.stuckRom.address, 0x10);
    EXPECT_FALSE(ApplyFaultCommand(f, SplitWords("split 5,,x"), error));
    EXPECT_FALSE(ApplyFaultCommand(f, SplitWords("silent-at NoSuchCommand"), error));
    EXPECT_FALSE(ApplyFaultCommand(f, SplitWords("rom-fail"), error));
    EXPECT_FALSE(ApplyFaultCommand(f, SplitWords("bogus"), error));
    EXPECT_TRUE(ApplyFaultCommand(f, SplitWords("clear"), error));
    EXPECT_EQ(f.replaceAtCommand, -1);
    EXPECT_TRUE(f.splitSizes.empty());
}

TEST(BoardPacing, AnswersLeaveAtWireSpeed) {
    Rig rig(Pic14());
    rig.board.SetPacing({true, 19200, 0});
    rig.link.Write(Bytes({0x04}));
    // 10 bits in, 10 bits out at 19200 baud.
    EXPECT_NEAR(rig.board.NextReadyTime(), 1042, 2);
    EXPECT_EQ(rig.link.ReadDelivery(), "");
    rig.link.Advance(1042);
    EXPECT_EQ(rig.link.ReadDelivery(), "V");
}

TEST(BoardPacing, ReadRomTakesItsWireTimeAndWritesTheirWordTime) {
    Rig rig(Pic14());
    rig.board.SetPacing({true, 19200, 0});
    rig.link.Write(Bytes({0x0B}));
    rig.link.Drain();
    const double wire = (1 + 2048) * 10.0 * 1e6 / 19200;
    EXPECT_NEAR(static_cast<double>(rig.link.Now()), wire, 2.0);

    Rig slow(Pic14());
    slow.board.SetPacing({false, 19200, 4000});
    slow.link.Write(Bytes({0x07, 0x00, 0x01, 0x12, 0x34}));
    EXPECT_EQ(slow.link.ReadAll(), "YY"); // nothing written yet: the requests are immediate
    slow.link.Write(Bytes({0x00, 0x00}));
    EXPECT_EQ(slow.link.ReadAll(), "");
    slow.link.Advance(4000);
    EXPECT_EQ(slow.link.ReadAll(), "P");
}

} // namespace
} // namespace boardsim::test

namespace boardsim::test {
namespace {

TEST(BoardRobustness, RandomBytesNeverBreakTheBoardAndAResetRecoversIt) {
    for (const ChipConfig& chip : {Pic14(), Pic16(), SerialEeprom(), Pic14Cal()}) {
        Rig rig(chip, Model::Cedar);
        rig.board.faults().splitSizes = {3, 1};
        rig.board.ApplyOutputFaults();
        std::uint32_t seed = 12345;
        for (int i = 0; i < 20000; ++i) {
            seed = seed * 1103515245u + 12345u;
            const auto byte = static_cast<char>((seed >> 16) & 0xFF);
            if (((seed >> 8) & 0x3FF) == 7) {
                rig.link.SetDtr(!rig.board.Dtr());
            }
            rig.link.Write(std::string(1, byte));
            rig.link.Advance(static_cast<std::int64_t>((seed >> 4) & 0x3FF));
            rig.link.ReadAll();
        }
        rig.board.faults() = Faults{};
        rig.board.ApplyOutputFaults();
        rig.link.Drain();
        rig.link.SetDtr(ResetLevel(Model::Cedar));
        rig.link.Drain();
        rig.link.SetDtr(!ResetLevel(Model::Cedar));
        EXPECT_EQ(rig.link.Drain(), Bytes({'B', 3}));
        EXPECT_EQ(rig.Ask(Bytes({0x04})), "V");
    }
}

} // namespace
} // namespace boardsim::test
