// A board that misbehaves in the middle of an operation: each ends with its
// message, an idle program and an image that says nothing false.
#include "engine/engine_rig.h"

#include "protocol/command_set.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Texts = std::vector<std::string>;

const std::string kFaultNotResponding = "The board is not responding\rAbout to apply reset...";
const std::string kFaultReceivedError = "Received data error.\r\rAbout to apply reset...";

void FillFaultImage(EngineRig& rig) {
    rig.BlankImage();
    for (std::size_t i = 0; i < std::min<std::size_t>(0x80, rig.image.ROMData.size()); ++i)
        rig.image.ROMData[i] = 0x2800 + static_cast<int>(i);
    rig.image.EEPROMData[3] = 0x42;
}

TEST(OperationFaults, AReadCutOffLeavesNoHalfImage) {
    EngineRig rig("16F628A");
    rig.Connect();
    rig.board.faults().silentAfterBytes = 600; // part of the program memory stream
    rig.engine.Read();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{kFaultNotResponding});
    EXPECT_TRUE(rig.image.ROMData.empty());
    EXPECT_FALSE(rig.image.DataChanged);
    EXPECT_TRUE(rig.Idle());

    rig.engine.Read(); // the board is back after its reset
    rig.engine.Cancel();
    rig.Run();
    EXPECT_TRUE(rig.TakeTexts().empty()); // Cancel says nothing, and keeps nothing
    EXPECT_TRUE(rig.image.ROMData.empty());
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Cancelled);
    EXPECT_EQ(rig.statuses.back(), "Birch_A board connected");
}

TEST(OperationFaults, EveryFaultDuringProgramEndsIdleAndKeepsTheImage) {
    struct Case {
        const char* what;
        std::function<void(boardsim::Faults&)> inject;
        std::string text;
    } cases[] = {
        {"silence", [](auto& f) { f.silentAtCommand = cmd::ProgramEEPROM; }, kFaultNotResponding},
        {"noise", [](auto& f) { f.replaceAtCommand = cmd::ProgramIDFuses, f.replacement = "Z"; },
         kFaultReceivedError},
        {"I2C", [](auto& f) { f.replaceAtCommand = cmd::ProgramEEPROM, f.replacement = "?E?P"; },
         "I2C EEPROM is not responding.\rAbout to apply reset..."},
        {"ID", [](auto& f) { f.idFusesFail = true; }, "ID FUSE programming error."},
        {"EEPROM",
         [](auto& f) {
             f.stuckEeprom = {3, 0x02, 0};
         },
         "EEPROM error at 0x0003\r\rGood 0x42\rBad 0x40"},
    };
    for (const Case& c : cases) {
        EngineRig rig("16F628A");
        rig.Connect();
        FillFaultImage(rig);
        const MemoryImage before = rig.image;
        c.inject(rig.board.faults());
        rig.engine.Program();
        rig.Run();
        EXPECT_EQ(rig.TakeTexts(), Texts{c.text}) << c.what;
        EXPECT_TRUE(rig.Idle()) << c.what;
        EXPECT_TRUE(rig.controlsEnabled) << c.what;
        EXPECT_EQ(rig.image.ROMData, before.ROMData) << c.what;
        EXPECT_EQ(rig.image.EEPROMData, before.EEPROMData) << c.what;
        EXPECT_EQ(rig.board.HostErrors(), 0) << c.what;
    }
}

TEST(OperationFaults, BusyMarksBeforeTheStatusAreWaitedOut) {
    EngineRig rig("16F628A");
    rig.Connect();
    FillFaultImage(rig);
    rig.board.faults().idFusesBusy = 3;
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Programming complete."});
    // The board asked for one word more than the count and got 0x0000.
    EXPECT_EQ(rig.board.HostErrors(), 0);
}

TEST(OperationFaults, AnUnpluggedBoardIsAResetFailureAfterTheSilence) {
    EngineRig rig("16F628A");
    rig.Connect();
    FillFaultImage(rig);
    rig.engine.Verify();
    rig.portOpen = false; // the adapter is pulled: nothing reaches the board
    rig.Run();
    const Texts texts = rig.TakeTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], kFaultNotResponding);
    EXPECT_NE(texts[1].find("currently [ None ]"), std::string::npos);
    EXPECT_TRUE(rig.Idle());
}

TEST(OperationFaults, AShortImageIsRefusedNotSentAsWhole) {
    EngineRig rig("16F628A");
    rig.image.ROMData.assign(0x100, 0); // fewer words than the chip has
    rig.engine.Program();
    rig.engine.Verify();
    const std::string refusal =
        "The memory image does not hold the whole chip.\r\rLoad a file or read the chip again.";
    EXPECT_EQ(rig.TakeTexts(), (Texts{refusal, refusal}));
    EXPECT_TRUE(rig.sent.empty());
}

} // namespace

namespace {
// The board answers X when a serial EEPROM does not acknowledge. Where the
// answer is left for the error check the user hears of the EEPROM; where the
// state has already taken the answer (the blank check's result byte) it is a
// received-data error and a reset.
TEST(OperationFaults, AnXFromASerialEepromIsNamedWhereTheAnswerIsKept) {
    struct Case {
        const char* chip;
        char command;
        const char* answer;
        std::function<StartResult(ProgrammerEngine&)> start;
        std::string text;
        std::string status;
    } cases[] = {
        {"24C16", cmd::ProgramEEPROM, "x", [](ProgrammerEngine& e) { return e.Program(); },
         "EEPROM not responding.", "Ready"},
        {"16F628A", cmd::ProgramEEPROM, "X", [](ProgrammerEngine& e) { return e.Program(); },
         kFaultReceivedError, "Birch_A board connected"},
        {"24C16", cmd::BlankCheckEEPROM, "X",
         [](ProgrammerEngine& e) { return e.BlankCheck(EraseChoice::Check); }, kFaultReceivedError,
         "Birch_A board connected"},
    };
    for (const Case& c : cases) {
        EngineRig rig(c.chip);
        rig.Connect();
        FillFaultImage(rig);
        rig.board.faults().replaceAtCommand = c.command;
        rig.board.faults().replacement = c.answer;
        c.start(rig.engine);
        rig.Run();
        EXPECT_EQ(rig.TakeTexts(), Texts{c.text}) << c.chip << " " << c.answer;
        EXPECT_EQ(rig.statuses.back(), c.status) << c.chip << " " << c.answer;
        EXPECT_TRUE(rig.Idle()) << c.chip;
    }
}
} // namespace
