// Program, verify, read, blank check and erase against the simulated board.
#include "engine/engine_probe.h"
#include "engine/engine_rig.h"

#include "image/hex_save.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
using boardsim::Model;
using Texts = std::vector<std::string>;

// A small program in every memory of the chip, as a HEX load would leave it.
void FillImage(EngineRig& rig, int words, int eepromBytes) {
    rig.BlankImage();
    for (int i = 0; i < words; ++i)
        rig.image.ROMData[static_cast<std::size_t>(i)] = (i * 0x135 + 7) & rig.chip.WordMask;
    for (int i = 0; i < eepromBytes; ++i)
        rig.image.EEPROMData[static_cast<std::size_t>(i)] = (i * 37 + 1) & 0xFF;
}

// The chip as the read image saved in a HEX file describes it.
boardsim::Chip ChipFromSavedImage(EngineRig& rig, const boardsim::ChipConfig& config) {
    std::optional<std::vector<std::string>> lines =
        rig.chip.IsWide() ? SaveINHX32File(rig.image, rig.chip, rig.id)
                          : SaveINHX8MFile(rig.image, rig.chip, rig.id);
    boardsim::Chip copy(config);
    EXPECT_TRUE(lines && boardsim::LoadChipHex(copy, *lines).ok);
    return copy;
}

void ExpectSameChip(const boardsim::Chip& a, const boardsim::Chip& b, bool configs) {
    const boardsim::ChipConfig& c = a.config();
    for (int i = 0; i < c.romWords; ++i)
        ASSERT_EQ(a.Rom(i), b.Rom(i)) << "word " << i;
    for (int i = 0; i < c.eepromBytes; ++i)
        ASSERT_EQ(a.Eeprom(i), b.Eeprom(i)) << "byte " << i;
    for (int k = 0; configs && k < 7; ++k)
        EXPECT_EQ(a.Config(k), b.Config(k)) << "configuration word " << k + 1;
}

// Program, verify, then read back into an empty image and save it.
void RoundTrip(EngineRig& rig, const std::string& programmed) {
    rig.Connect();
    rig.engine.Program();
    rig.Run();
    ASSERT_EQ(rig.TakeTexts(), Texts{programmed});
    ASSERT_TRUE(rig.Idle());
    rig.engine.Verify();
    rig.Run();
    ASSERT_EQ(rig.TakeTexts(), Texts{"Data verified"});
    const MemoryImage before = rig.image;
    const std::string idBefore = rig.id;
    rig.engine.Read();
    rig.Run();
    EXPECT_TRUE(rig.TakeTexts().empty());
    EXPECT_TRUE(rig.image.DataChanged);
    for (std::size_t i = 0; i < static_cast<std::size_t>(rig.chip.ROMSize); ++i)
        ASSERT_EQ(rig.image.ROMData[i], before.ROMData[i]) << "word " << i;
    for (std::size_t i = 0; i < static_cast<std::size_t>(rig.chip.EEPROMSize); ++i)
        ASSERT_EQ(rig.image.EEPROMData[i], before.EEPROMData[i]) << "byte " << i;
    EXPECT_EQ(rig.image.FuseValue, before.FuseValue);
    EXPECT_EQ(rig.id, idBefore);
    ExpectSameChip(rig.board.chip(), ChipFromSavedImage(rig, rig.board.chip().config()),
                   rig.chip.HasProgramMemory());
}

TEST(Operations, A12BitChipKeepsItsCalibrationWord) {
    EngineRig rig("12F508");
    rig.board.chip().SetRom(0x1FF, 0x0C52);
    FillImage(rig, 0x40, 0);
    rig.image.ROMData[0x1FF] = 0x0C52;
    rig.image.FuseValue[1] = 0x0FEA;
    RoundTrip(rig, "Programming complete.");
    EXPECT_EQ(rig.board.chip().Rom(0x1FF), 0x0C52);
    EXPECT_EQ(rig.board.chip().Config(0), 0x0FEA);
}

TEST(Operations, A14BitChipWithEepromIdAndBandgap) {
    EngineRig rig("12F675");
    rig.board.chip().SetRom(0x3FF, 0x3480);
    FillImage(rig, 0x100, 0x80);
    rig.image.ROMData[0x3FF] = 0x3480;
    rig.image.FuseValue[1] = 0x31C4;
    rig.id = "12F4";
    RoundTrip(rig, "Programming complete.");
    EXPECT_EQ(rig.board.chip().Id(2), 0x0F);
    EXPECT_EQ(rig.board.chip().Config(0), 0x31C4);
}

TEST(Operations, A16BitChipGetsItsFusesAfterTheVerifyPass) {
    EngineRig rig("18F452");
    FillImage(rig, 0x800, 0x100);
    rig.image.FuseValue = {0, 0x2200, 0x0E0D, 0x0100, 0x0085, 0xC00F, 0xE00F, 0x400F};
    rig.id = "0123ABCD";
    RoundTrip(rig, "Programming complete");
    EXPECT_EQ(rig.board.chip().Config(2), 0x0100);
    EXPECT_EQ(rig.board.chip().Id(7), 0x0D);
}

TEST(Operations, ASerialEepromIsWrittenWholeAndReadBack) {
    EngineRig rig("24C16");
    FillImage(rig, 0, 0x800);
    rig.Connect();
    rig.engine.Program();
    rig.Run();
    EXPECT_TRUE(rig.TakeTexts().empty()); // finished by the read-back, without a box
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Done);
    EXPECT_EQ(rig.board.chip().Eeprom(0x7FF), rig.image.EEPROMData[0x7FF]);
    rig.engine.Read();
    rig.Run();
    ASSERT_EQ(rig.image.EEPROMData.size(), 0x800u);
    ExpectSameChip(rig.board.chip(), ChipFromSavedImage(rig, rig.board.chip().config()), false);
}

TEST(Operations, VerifyReportsTheFirstDifferenceExactly) {
    EngineRig rig("16F877A");
    rig.Connect();
    rig.BlankImage();
    rig.board.chip().SetRom(0x1F3, 0x2A5C);
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"ROM error at 0x01F3\r\rGood 0x3FFF\rBad 0x2A5C"});
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Difference);

    rig.board.chip().SetRom(0x1F3, 0x3FFF);
    rig.board.chip().SetEeprom(0x21, 0x5A);
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"EEPROM error at 0x0021\r\rGood 0xFF\rBad 0x5A"});

    rig.board.chip().SetEeprom(0x21, 0xFF);
    rig.board.chip().SetId(2, 0x0E);
    rig.id = "12F4";
    rig.board.chip().SetId(0, 1);
    rig.board.chip().SetId(1, 2);
    rig.board.chip().SetId(3, 4);
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"ID error 0x2002\r\rGood 0x000F\rBad 0x000E"});
    EXPECT_TRUE(rig.Idle());
}

TEST(Operations, A16BitFuseDifferenceNamesItsAddress) {
    EngineRig rig("18F452");
    rig.Connect();
    rig.BlankImage();
    rig.board.chip().SetConfig(2, 0x0000);
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Fuse error 0x300004\r\rGood 0x0100\rBad 0x0000"});
}

TEST(Operations, BlankReportsLeaveOutWhatTheChipDoesNotHave) {
    struct Case {
        const char* chip;
        std::string report;
    } cases[] = {
        {"16F84A", "Blank Results: \r\rROM = Erased\rEEPROM = Erased\rID = Erased\rFuse = Erased"},
        {"12F509", "Blank Results: \r\rROM = Erased\rFuse = Erased"},
        {"24C04", "Blank Results: \r\r\rEEPROM = Erased"},
    };
    for (const Case& c : cases) {
        EngineRig rig(c.chip);
        rig.Connect();
        rig.engine.BlankCheck(EraseChoice::Check);
        rig.Run();
        EXPECT_EQ(rig.TakeTexts(), Texts{c.report}) << c.chip;
        EXPECT_TRUE(rig.Idle());
    }
    // A 12-bit chip's ID is not reported, but a programmed one still counts.
    EngineRig rig("12F509");
    rig.board.chip().SetId(0, 3);
    rig.board.chip().SetRom(0x300, 0);
    rig.Connect();
    rig.engine.BlankCheck(EraseChoice::Check);
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Blank Results: \r\rROM = Not Erased\rFuse = Erased"});
    EXPECT_EQ(EngineProbe::Record(rig.engine).BlankFlags, 0); // cleared with the operation's end
    EXPECT_EQ(rig.progressPeak, 0x300);                       // two 'B's and the 'N' stop there
}

TEST(Operations, EraseWritesTheChipsOwnCalibrationBack) {
    EngineRig rig("12F675");
    rig.board.chip().SetRom(0x3FF, 0x3468);
    rig.board.chip().SetConfig(0, 0x2184); // bandgap bits 1 0, options programmed
    rig.board.chip().SetRom(5, 0x0123);
    rig.dialogs.answers.push_back(Dialogs::Answer::Yes);
    rig.Connect();
    rig.engine.BlankCheck(EraseChoice::Erase);
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), (Texts{"This will totally erase the chip.\r\rDo you wish to "
                                      "continue?",
                                      "Chip has been erased"}));
    EXPECT_EQ(rig.board.chip().Rom(5), 0x3FFF);
    EXPECT_EQ(rig.board.chip().Rom(0x3FF), 0x3468);
    EXPECT_EQ(rig.board.chip().Config(0), 0x21FF);

    rig.board.faults().calibrationAnswer = 'C';
    rig.dialogs.answers.push_back(Dialogs::Answer::Yes);
    rig.engine.BlankCheck(EraseChoice::Erase);
    rig.Run();
    EXPECT_EQ(rig.TakeTexts().back(), "Error writing new Calibration and BandGap");
    EXPECT_TRUE(rig.Idle());
}

TEST(Operations, ASerialEepromIsErasedPageByPage) {
    EngineRig rig("24C16");
    rig.board.chip().SetEeprom(0x700, 0x12);
    rig.dialogs.answers.push_back(Dialogs::Answer::Yes);
    rig.Connect();
    rig.engine.BlankCheck(EraseChoice::Erase);
    rig.Run();
    EXPECT_EQ(rig.TakeTexts().back(), "Chip has been erased");
    EXPECT_EQ(rig.board.chip().Eeprom(0x700), 0xFF);
    EXPECT_EQ(rig.progressPeak, 0x800);
}

TEST(Operations, ProgrammingStopsAfterTheLastUsedWord) {
    EngineRig rig("16F84A");
    rig.BlankImage();
    rig.image.ROMData[0x3EF] = 0;
    rig.engine.SetProgrammingDataSize();
    EXPECT_EQ(EngineProbe::Record(rig.engine).ROMProgLength, 0x3F0);
    rig.image.ROMData[0x3F1] = 0;
    rig.engine.SetProgrammingDataSize();
    EXPECT_EQ(EngineProbe::Record(rig.engine).ROMProgLength, 0x3F4);
    rig.image.EEPROMData[4] = 7;
    rig.engine.SetProgrammingDataSize();
    EXPECT_EQ(EngineProbe::Record(rig.engine).EEPROMProgLength, 6);

    EngineRig cal("12F629"); // its last word is the calibration instruction
    cal.BlankImage();
    cal.engine.SetProgrammingDataSize();
    EXPECT_EQ(EngineProbe::Record(cal.engine).ROMProgLength, 0x400);
}

TEST(Operations, AFailedWordIsReportedTwoRequestsBehind) {
    EngineRig rig("16F84A");
    rig.Connect();
    FillImage(rig, 0x20, 0);
    rig.board.faults().romFailAtWord = 8;
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"ROM programming error at address 0x0008"});
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Failed);
    EXPECT_TRUE(rig.Idle());
}

TEST(Operations, AChipThatIsNotBlankIsAskedAboutOrLeftAlone) {
    EngineRig rig("16F84A");
    rig.board.chip().SetRom(0x10, 0x1234);
    rig.Connect();
    FillImage(rig, 4, 0);
    OperationOptions ignore;
    ignore.ignoreBlankCheck = true;
    rig.engine.Program(ignore);
    rig.Run();
    EXPECT_TRUE(rig.TakeTexts().empty()); // no question, no programming
    EXPECT_EQ(rig.board.chip().Rom(0), 0x3FFF);
    EXPECT_EQ(rig.engine.Outcome(), Outcome::Difference);

    rig.dialogs.answers.push_back(Dialogs::Answer::Yes);
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(),
              (Texts{"Blank Results: \r\rROM = Not Erased\rEEPROM = Erased\rID = Erased\rFuse = "
                     "Erased\r\rContinue to erase and program this chip?",
                     "Programming complete."}));
    EXPECT_EQ(rig.board.chip().Rom(0x10), 0x3FFF); // erased first
    EXPECT_EQ(rig.board.chip().Rom(1), rig.image.ROMData[1]);
}

TEST(Operations, ADifferentCalibrationIsQuestionedABlankOneKeepsTheChips) {
    EngineRig rig("12F675");
    rig.board.chip().SetRom(0x3FF, 0x3480);
    rig.board.chip().SetConfig(0, 0x21FF); // bandgap bits 10
    rig.Connect();
    FillImage(rig, 4, 0);
    rig.image.ROMData[0x3FF] = 0x3470;
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Calibration data from chip does not match new programming "
                                     "data\r\rContinue programming with new data?"});
    EXPECT_EQ(rig.board.chip().Rom(0), 0x3FFF);
    EXPECT_EQ(rig.engine.Details().calibrationWritten, -1);

    // Blank calibration word and bandgap bits, as a file without them leaves them.
    rig.image.ROMData[0x3FF] = 0x3FFF;
    rig.image.FuseValue[1] = 0x31C4;
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Programming complete."});
    EXPECT_NE(std::find(rig.statuses.begin(), rig.statuses.end(),
                        "Keeping the chip's calibration 0x3480"),
              rig.statuses.end());
    EXPECT_EQ(rig.board.chip().Rom(0x3FF), 0x3480);
    EXPECT_EQ(rig.board.chip().Config(0), 0x21C4);
    EXPECT_EQ(rig.engine.Details().calibrationRead, 0x3480);
    EXPECT_EQ(rig.engine.Details().calibrationWritten, 0x3480);
    rig.engine.Verify();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Data verified"});
    EXPECT_EQ(rig.image.ROMData[0x3FF], 0x3FFF); // the image still leaves it to each chip
}

TEST(Operations, AutoModeProgramsChipAfterChipUntilCancel) {
    EngineRig rig("16F628A");
    rig.Connect();
    FillImage(rig, 0x10, 8);
    rig.engine.StartAutoProgram({});
    EXPECT_TRUE(rig.AutoProgram());
    rig.Run(); // the chip in the socket is programmed at once
    for (int chip = 0; chip < 3; ++chip) {
        EXPECT_EQ(rig.statuses.back(), "Waiting for chip removal...");
        EXPECT_EQ(rig.board.chip().Rom(3), rig.image.ROMData[3]);
        rig.board.RemoveChip();
        rig.Run();
        EXPECT_EQ(rig.statuses.back(), "Waiting for chip insertion...");
        rig.board.chip().Blank(); // a new chip
        rig.board.InsertChip();
        rig.Run();
    }
    EXPECT_TRUE(rig.TakeTexts().empty());
    rig.engine.Cancel();
    rig.Run();
    EXPECT_FALSE(rig.AutoProgram());
    EXPECT_EQ(rig.statuses.back(), "Birch_A board connected");
    EXPECT_TRUE(rig.Idle());
}

TEST(Operations, AutoModeRefusals) {
    EngineRig eeprom("24C16");
    eeprom.BlankImage();
    eeprom.engine.StartAutoProgram({});
    EngineRig icsp("16F628A");
    OperationOptions inCircuit;
    inCircuit.icsp = true;
    icsp.engine.StartAutoProgram(inCircuit);
    EngineRig empty("16F628A");
    empty.engine.StartAutoProgram({});
    EXPECT_EQ(eeprom.TakeTexts(), Texts{"Cannot use Auto Program Mode with serial EEPROMs"});
    EXPECT_EQ(icsp.TakeTexts(), Texts{"Cannot use Auto Program Mode when ICSP is enabled"});
    EXPECT_EQ(empty.TakeTexts(), Texts{"Nothing to program"});
    EXPECT_TRUE(eeprom.sent.empty() && icsp.sent.empty() && empty.sent.empty());
}

} // namespace

namespace {
bool Saw(const EngineRig& rig, const std::string& status) {
    return std::find(rig.statuses.begin(), rig.statuses.end(), status) != rig.statuses.end();
}

TEST(Operations, AStepPastTheEndNeverRunsTheBarOver) {
    EngineRig rig("16F84A");
    rig.portOpen = false; // the test answers for the board
    rig.engine.BlankCheck(EraseChoice::Check);
    EngineProbe::Record(rig.engine).ProtocolState = EngineState::BlankRomAnswers;
    for (const char* answer : {"B", "B", "B", "B", "BY"})
        rig.engine.OnBytes(answer);
    EXPECT_EQ(EngineProbe::Record(rig.engine).ProtocolState, EngineState::BlankEepromVoltages);
    EXPECT_EQ(rig.progressPeak, 0x400);
    EXPECT_EQ(rig.progressMax, 0x400);
}

TEST(Operations, TheUpgradeImageIsProgrammedUnderItsOwnStatusAndThenDropped) {
    EngineRig rig("16F628");
    rig.Connect();
    FillImage(rig, 0x10, 0);
    rig.engine.Upgrade();
    rig.engine.Program();
    rig.Run();
    EXPECT_EQ(rig.TakeTexts(), Texts{"Programming complete."});
    EXPECT_TRUE(Saw(rig, "Upgrading..."));
    EXPECT_FALSE(Saw(rig, "Programming ROM..."));
    EXPECT_FALSE(rig.engine.UpgradeLoaded());
    EXPECT_TRUE(rig.image.ROMData.empty());
    EXPECT_EQ(rig.board.chip().Rom(5), (5 * 0x135 + 7) & 0x3FFF);
}
} // namespace
