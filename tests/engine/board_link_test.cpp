// The board connection and the opening hand-shake, against the simulated board
// or against answers typed in by hand.
#include "engine/engine_probe.h"
#include "engine/engine_rig.h"

#include "protocol/command_set.h"
#include "protocol/upgrade.h"

#include <gtest/gtest.h>

namespace {
using boardsim::Model;
using Texts = std::vector<std::string>;

const std::string kNotResponding = "The board is not responding\rAbout to apply reset...";
const std::string kReceivedError = "Received data error.\r\rAbout to apply reset...";

void Tick(EngineRig& rig, int ticks) {
    for (int i = 0; i < ticks; ++i)
        rig.engine.OnTick();
}

TEST(BoardLink, TheGreetingOfTheSelectedModelConnects) {
    EngineRig rig("16F628A", Model::Cedar);
    rig.Connect();
    EXPECT_EQ(rig.statuses.back(), "Cedar board connected");
    EXPECT_FALSE(rig.engine.ResetPending());
    EXPECT_TRUE(rig.Idle());
    EXPECT_TRUE(rig.TakeTexts().empty());
}

TEST(BoardLink, AnotherModelIsMatchedAfterABox) {
    EngineRig rig("16F628A", Model::Alder);
    rig.engine.SetStyle(3);
    rig.Connect();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Program mode = Cedar, connected board = Alder.\r\rWill "
                                     "attempt to match the board"});
    EXPECT_EQ(rig.stylesSelected, 1);
    EXPECT_EQ(rig.statuses.back(), "Alder board connected");
}

TEST(BoardLink, GreetingsThatArriveTogetherCountAsTheLastOne) {
    EngineRig rig("16F628A");
    rig.portOpen = false; // the test types the answers itself
    rig.engine.ResetProgrammer(true);
    rig.engine.OnBytes("B\x01"
                       "B");
    rig.engine.OnBytes("\x01");
    EXPECT_EQ(rig.statuses.back(), "Birch_A board connected");
    rig.engine.OnBytes(std::string("B\x01"
                                   "B\x01",
                                   4));
    EXPECT_EQ(rig.statuses.back(), "Birch_A board connected");
    EXPECT_TRUE(rig.Idle());
    rig.engine.OnBytes("B\x09"); // an unknown model: quietly idle
    EXPECT_TRUE(rig.TakeTexts().empty());
}

TEST(BoardLink, SilenceAfterAResetIsAResetFailureWithoutANewReset) {
    EngineRig rig("16F628A");
    rig.board.faults().greetingCode = -1;
    rig.portOpen = false; // the board never hears the pulse
    rig.engine.ResetProgrammer(true);
    Tick(rig, 14);
    EXPECT_TRUE(rig.TakeTexts().empty());
    Tick(rig, 1);
    EXPECT_EQ(rig.TakeTexts(),
              Texts{"Reset failed. Please check...\r\rCommunications port, currently [ None ]\r"
                    "Board connections and power\rMode =  [ Birch_A ], does your programmer "
                    "board match this setting?"});
    EXPECT_EQ(rig.statuses.back(), "Ready");
    EXPECT_FALSE(rig.timer);
}

TEST(BoardLink, SilenceDuringAnOperationNamesTheErrorStringAndResets) {
    struct Case {
        std::string rx, status, text;
    };
    for (const Case& c :
         {Case{"", "Comms Error...", kNotResponding},
          Case{"?E?P", "I2C Error...", "I2C EEPROM is not responding.\rAbout to apply reset..."},
          Case{"x?F?N", "Function Error...",
               "Function not supported by this programmer firmware.\rAbout to apply reset..."}}) {
        EngineRig rig("16F628A");
        rig.portOpen = false; // the test types the answers itself
        EngineProbe::Open(rig.engine, EngineState::BlankRomVoltages);
        EngineProbe::Record(rig.engine).ProtocolState =
            static_cast<EngineState>(254); // a state without a handler only collects
        rig.engine.OnBytes(c.rx);
        Tick(rig, 15);
        ASSERT_EQ(rig.TakeTexts(), Texts{c.text}) << c.rx;
        EXPECT_NE(std::find(rig.statuses.begin(), rig.statuses.end(), c.status),
                  rig.statuses.end());
        EXPECT_TRUE(rig.engine.ResetPending()); // a new reset is under way
        EXPECT_EQ(rig.statuses.back(), "Resetting Tessaro...");
    }
}

TEST(Handshake, PAndIMayComeApartButNotWithMore) {
    EngineRig rig("16F628A");
    rig.portOpen = false; // the test types the answers itself
    EngineProbe::Open(rig.engine, EngineState::BlankRomVoltages);
    rig.engine.OnBytes("P");
    rig.engine.OnBytes("I");
    EXPECT_EQ(EngineProbe::Record(rig.engine).ProtocolState, EngineState::AwaitModel);
    EXPECT_EQ(rig.sent.back(), cmd::ReadModel);

    EngineRig early("16F628A");
    early.portOpen = false; // the test types the answers itself
    EngineProbe::Open(early.engine, EngineState::BlankRomVoltages);
    early.engine.OnBytes("PI\x01");
    Tick(early, 14);
    EXPECT_EQ(EngineProbe::Record(early.engine).ProtocolState,
              EngineState::AwaitStart); // three bytes: still waiting
    Tick(early, 1);
    EXPECT_EQ(early.TakeTexts(), Texts{kNotResponding});
}

TEST(Handshake, TwoAnswersInOneEventAreAReceivedDataError) {
    EngineRig rig("16F628A");
    rig.Connect();
    rig.board.faults().doubleAtCommand = cmd::VoltagesOn;
    rig.engine.ReadChipInfo();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{kReceivedError});
    EXPECT_EQ(rig.engine.Outcome(), Outcome::BadAnswer);
    EXPECT_EQ(rig.statuses.back(), "Birch_A board connected"); // reset again and greeted
}

TEST(Handshake, ABoardOfAnotherModelIsNamedAndTheOperationEnds) {
    EngineRig rig("16F628A", Model::Elm);
    rig.engine.SetStyle(4);
    rig.Connect();
    rig.board.faults().modelCode = 2;
    rig.engine.ReadChipInfo();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"You are trying to connect to [ Elm ]\r\rPlease select [ "
                                     "Birch_B ] to match your programmer board."});
    EXPECT_TRUE(rig.Idle());
    EXPECT_EQ(rig.statuses.back(), "Ready");
}

TEST(Handshake, FirmwareWithoutReadModelGetsABareCommandStart) {
    EngineRig rig("16F628A", Model::Birch_A, [](boardsim::ChipConfig& c) { c.idWord = 0x1068; });
    rig.Connect();
    rig.board.faults().modelCode = 'X';
    rig.engine.ReadChipInfo();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"[16F628A]   Version 8\r\rChip ID = 1060"});
    EXPECT_NE(rig.sent.find(std::string(1, cmd::ReadModel) + "P"), std::string::npos);
    EXPECT_TRUE(rig.Idle());
}

// The question names the chip of the chip file whose ID the chip reports,
// among the chips of the selected chip's core only: 0x1100 is a 16F648A's
// and an 18F2520's.
TEST(Handshake, AnotherChipInTheSocketIsQuestionedAndNamedAndNoEndsIt) {
    const struct {
        const char* selected;
        int idWord;
        const char* line;
        const char* named;
    } cases[] = {
        {"16F628A", 0x07A2, "reports the ID of a 16F627.", "16F627"},
        {"16F628A", 0x1103, "reports the ID of a 16F648A.", "16F648A"},
        {"18F452", 0x1103, "reports the ID of a 18F2520.", "18F2520"},
        {"16F628A", 0x3FE0, "reports an ID that no chip of the chip file has: 0x3FE0", ""},
    };
    for (const auto& c : cases) {
        EngineRig rig(c.selected, Model::Birch_A,
                      [&](boardsim::ChipConfig& config) { config.idWord = c.idWord; });
        rig.Connect();
        rig.BlankImage();
        rig.engine.Program();
        rig.Run();
        EXPECT_EQ(rig.TakeTexts(),
                  Texts{"The programmer does not recognise the [" + std::string(c.selected) +
                        "]\r\rThe chip in the socket " + c.line + "\r\rContinue anyway?"});
        EXPECT_EQ(rig.engine.Outcome(), Outcome::Declined);
        ASSERT_EQ(rig.reports.size(), 1u);
        EXPECT_EQ(rig.reports[0].details.socketChip, c.named);
        EXPECT_TRUE(rig.Idle());
        EXPECT_EQ(rig.board.chip().Rom(0),
                  c.selected[1] == '8' ? 0xFFFF : 0x3FFF); // nothing written
    }
}

TEST(Handshake, AChipWithoutDeviceIdIsNeverQuestioned) {
    EngineRig rig("24C16");
    rig.Connect();
    rig.BlankImage();
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Data verified"});
}

TEST(Handshake, ReadChipInfoOnlyWhereTheChipHasAnId) {
    EngineRig rig("12F508");
    rig.portOpen = false; // the test types the answers itself
    rig.engine.ReadChipInfo();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Chip ID is not supported for this device."});
    EXPECT_TRUE(rig.sent.empty());
}

TEST(Handshake, TheCalibrationReadReportsTheChipsValues) {
    EngineRig rig("12F675", Model::Birch_A, [](boardsim::ChipConfig& c) {
        c.fuseBlank[0] = 0x2FFF; // bandgap bits 1 0 as the chip holds them
    });
    rig.board.chip().SetRom(0x3FF, 0x3480);
    rig.Connect();
    rig.engine.ReadCalibration();
    rig.Run();
    ASSERT_EQ(rig.reports.size(), 1u);
    const std::string& config = rig.reports[0].configBytes;
    EXPECT_EQ(CalibrationWordRead(config), 0x3480);
    EXPECT_EQ(ChipConfigWord(config, 1) & kBandGapBits, 0x2000); // bits 13 and 12: 1 0
    EXPECT_TRUE(rig.TakeTexts().empty());
    EXPECT_TRUE(rig.Idle());
}

TEST(Handshake, EveryFaultAtEveryStepEndsIdleWithAMessage) {
    const char steps[] = {cmd::ReadModel, cmd::VoltagesOn, cmd::ReadConfig, cmd::VoltagesOff};
    for (char step : steps) {
        for (int fault = 0; fault < 3; ++fault) {
            EngineRig rig("16F628A");
            rig.Connect();
            auto& f = rig.board.faults();
            if (fault == 0)
                f.silentAtCommand = static_cast<unsigned char>(step);
            else if (fault == 1)
                f.replaceAtCommand = static_cast<unsigned char>(step), f.replacement = "Z";
            else
                f.replaceAtCommand = static_cast<unsigned char>(step), f.replacement = "?F?N";
            rig.engine.ReadChipInfo();
            rig.Run();
            const Texts texts = rig.TakeTexts();
            ASSERT_EQ(texts.size(), 1u) << int(step) << " fault " << fault;
            SCOPED_TRACE(std::to_string(step) + " fault " + std::to_string(fault));
            // ReadConfig's answer has a fixed length: a short wrong one is waited out.
            const bool waits = fault == 0 || (fault == 1 && step == cmd::ReadConfig);
            EXPECT_EQ(texts[0], waits        ? kNotResponding
                                : fault == 1 ? kReceivedError
                                             : "Function not supported by this programmer "
                                               "firmware.\rAbout to apply reset...");
            EXPECT_TRUE(rig.Idle());
            EXPECT_TRUE(rig.controlsEnabled);
            EXPECT_EQ(rig.statuses.back(), "Birch_A board connected");
        }
    }
}

// Bytes that arrive while the watchdog's box is open wait until it is closed,
// and a tick inside it does nothing: no handler runs inside another.
TEST(Handshake, NoHandlerRunsInsideTheWatchdogsBox) {
    EngineRig rig("16F628A");
    rig.portOpen = false; // the test types the answers itself
    struct BoardSpeaksMeanwhile : ScriptedDialogs {
        EngineRig* rig = nullptr;
        bool ranInside = false;
        void Error(const std::string& text) override {
            ScriptedDialogs::Error(text);
            const std::size_t before = rig->statuses.size();
            rig->engine.OnBytes("B\x01");
            rig->engine.OnTick();
            ranInside = rig->statuses.size() != before;
        }
    } boxes;
    boxes.rig = &rig;
    rig.boxesOverride = &boxes;
    EngineProbe::Open(rig.engine, EngineState::BlankRomVoltages);
    Tick(rig, 15);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(boxes.ranInside);
    EXPECT_EQ(rig.statuses.back(), "Resetting Tessaro..."); // the stale greeting was dropped
}

TEST(Upgrade, WordsAreUnscrambledAndTheSixteenthMovesToTheEnd) {
    MemoryImage image;
    for (int i = 0; i < 20; ++i)
        image.ROMData.push_back(i == 3 ? 0x3FFF : i);
    image.IDText = "1234";
    UnscrambleUpgradeImage(image, false, 2048);
    ASSERT_EQ(image.ROMData.size(), 20u);
    EXPECT_EQ(image.ROMData[0], kUpgradeMask);       // 0 XOR the mask
    EXPECT_EQ(image.ROMData[3], 0x3FFF);             // blank stays blank
    EXPECT_EQ(image.ROMData[15], 16 ^ kUpgradeMask); // word 15 left
    EXPECT_EQ(image.ROMData[19], 0x1234);            // the ID took the last place
    EXPECT_EQ(image.FuseValue[1], 0x32A);
    EXPECT_EQ(image.IDText, "FFFF");
    image.IDText = "XYZ";
    UnscrambleUpgradeImage(image, true, 2048);
    EXPECT_EQ(image.ROMData.back(), -1);
    EXPECT_EQ(image.FuseValue[1], 0xF0A);
    // A loaded image has a blank entry past the chip's last word: the ID
    // takes the chip's last word, where it is written.
    image.ROMData.assign(2049, 0x3FFF);
    image.IDText = "1234";
    UnscrambleUpgradeImage(image, false, 2048);
    ASSERT_EQ(image.ROMData.size(), 2049u);
    EXPECT_EQ(image.ROMData[2047], 0x1234);
    EXPECT_EQ(image.ROMData[2048], 0x3FFF);
}

} // namespace

namespace {
// A socket that is already as asked answers "PA" and "Y" in one piece.
TEST(AutoLoop, AnAnswerFollowedByTheNextIsTakenInTurn) {
    EngineRig rig("16F628A");
    rig.portOpen = false; // the test answers for the board
    EngineProbe::LoopOn(rig.engine);
    EngineProbe::Record(rig.engine).ProtocolState = EngineState::AskedForRemoval;
    rig.engine.OnBytes("PAY");
    EXPECT_EQ(EngineProbe::Record(rig.engine).ProtocolState, EngineState::AskedForInsertion);
    EXPECT_EQ(rig.sent.substr(rig.sent.size() - 2), "P\x15");
    EXPECT_TRUE(rig.TakeTexts().empty());
}
} // namespace
