// The blank check, on its own or opening a Program, and the erase that writes
// the chip's own calibration word and bandgap bits back.
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

StartResult ProgrammerEngine::BlankCheck(EraseChoice choice, const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    if (chip_.FlashChip && choice == EraseChoice::Erase)
        return ConfirmErase(options);
    Begin(Operation::BlankCheck, options);
    Protocol.AfterBlankState = EngineState::NoState;
    ProgressMax(chip_.ROMSize);
    InitialiseProgrammerVariables(chip_.FlashChip && chip_.ROMSize == 0
                                      ? EngineState::BlankEepromVoltages
                                      : EngineState::BlankRomVoltages);
    return StartResult::Started;
}

StartResult ProgrammerEngine::Erase(const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    if (!chip_.FlashChip)
        return StartResult::NotSupported;
    return ConfirmErase(options);
}

StartResult ProgrammerEngine::ConfirmErase(const OperationOptions& options) {
    if (panel_.Ask(MessageWord::EraseWholeChip) == Dialogs::Answer::No)
        return StartResult::Declined;
    Begin(Operation::Erase, options);
    Protocol.AfterBlankState = EngineState::NoState;
    ProgressMax(chip_.ROMSize);
    InitialiseProgrammerVariables(EngineState::EraseVoltages);
    return StartResult::Started;
}

// ---- Blank check ----

// Waits for "V": the supply is on for the program memory blank check.
void ProgrammerEngine::OnBlankRomVoltages() {
    if (!Step("V"))
        return;
    Enter(EngineState::BlankRomAnswers);
    Protocol.DataIndex = 0;
    Status(StatusWord::EraseCheck);
    Send(BlankCheckROMBytes(chip_.WordMask));
}

// Waits for a "B" for every 256 words checked, then "Y" or "N" for program
// memory; answers that arrive together are taken one by one.
void ProgrammerEngine::OnBlankRomAnswers() {
    const std::string rx = Protocol.RxText;
    Accept(); // taken, whatever it is: a wrong answer is a received-data error
    if (rx.find_first_not_of("BYN") != std::string::npos)
        return Fail();
    for (char answer : rx) {
        if (answer != 'N') {
            Protocol.DataIndex += kBlankCheckStep;
            Progress(Protocol.DataIndex);
        }
        if (answer == 'B')
            continue;
        if (answer == 'N')
            Protocol.BlankFlags = kBlankRom;
        SendCycle();
        Enter(EngineState::BlankEepromVoltages);
        return;
    }
}

// Waits for "V": the supply is on for the data EEPROM blank check.
void ProgrammerEngine::OnBlankEepromVoltages() {
    Reply("V", Command(cmd::BlankCheckEEPROM), EngineState::BlankEepromAnswer);
}

// Waits for "Y" or "N" for data EEPROM.
void ProgrammerEngine::OnBlankEepromAnswer() {
    const char answer = Protocol.RxText[0];
    Accept();
    if (answer != 'Y' && answer != 'N')
        return Fail();
    SendOff();
    Enter(EngineState::BlankVoltagesOff);
    if (answer == 'N')
        Protocol.BlankFlags |= kBlankEeprom;
}

// Waits for "v": the supply is off after the blank check.
void ProgrammerEngine::OnBlankVoltagesOff() {
    if (!Answered("v"))
        return;
    const std::string& config = Protocol.ConfigBytes;
    if (chip_.HasProgramMemory()) {
        for (int p = 3; p <= 10; ++p)
            if ((ConfigByte(config, p) & 0x0F) != 0x0F)
                Protocol.BlankFlags |= kBlankId;
        for (int k = 1; k <= 7; ++k) {
            int blank = chip_.FuseBlank[static_cast<std::size_t>(k)];
            int word = ChipConfigWord(config, k);
            // The bandgap bits are the chip's own and stay through an erase.
            if (k == 1 && chip_.HasBandGapFlag()) {
                blank &= 0x0FFF;
                word &= 0x0FFF;
            }
            if (word != blank)
                Protocol.BlankFlags |= kBlankFuse;
        }
    }
    run_.details.blankFlags = Protocol.BlankFlags;
    const BlankFindings findings = BlankReport();
    Status(StatusWord::BlankResults);
    Timer(false);
    Progress(0);
    Accept();
    if (Protocol.AfterBlankState == EngineState::NoState) {
        Finish(Protocol.BlankFlags == 0 ? Outcome::Done : Outcome::Difference);
        panel_.Tell({MessageWord::BlankResults, {.blank = findings}});
        EndCommand();
    } else {
        BlankInsideProgram(findings);
    }
    Timer(true);
}

BlankFindings ProgrammerEngine::BlankReport() const {
    BlankFindings findings{0, Protocol.BlankFlags};
    if (chip_.ROMSize != 0)
        findings.checked |= kBlankRom | kBlankFuse;
    if (chip_.EEPROMSize != 0)
        findings.checked |= kBlankEeprom;
    // 12-bit chips keep their ID in program memory, out of the blank check's reach.
    if (chip_.ROMSize != 0 && !chip_.IsBaseline())
        findings.checked |= kBlankId;
    return findings;
}

// The blank check that opens a Program decides: program, erase first, or stop.
void ProgrammerEngine::BlankInsideProgram(const BlankFindings& findings) {
    if (!CalibrationAccepted()) {
        Finish(Outcome::Declined);
        EndCommand();
        return;
    }
    if (Protocol.BlankFlags == 0) {
        SendOn();
        Enter(Protocol.AfterBlankState);
        return;
    }
    if (!run_.options.ignoreBlankCheck) {
        const EngineMessage question(chip_.FlashChip ? MessageWord::EraseAndProgramNotBlank
                                                     : MessageWord::ProgramNotBlank,
                                     {.blank = findings});
        if (panel_.Ask(question) == Dialogs::Answer::Yes) {
            Enter(chip_.FlashChip ? EngineState::EraseFirstVoltages : Protocol.AfterBlankState);
            SendOn();
            return;
        }
    }
    // Declined, or Ignore Blank Check: a chip that is not blank is left alone.
    Finish(Outcome::Difference);
    EndCommand();
}

// Programming over a chip's factory calibration loses it. Blank values in the
// image keep the chip's own without a word; a real value that differs from the
// chip's is asked about.
bool ProgrammerEngine::CalibrationAccepted() {
    if (!chip_.CalWord || !ChipCalibrationRead())
        return true;
    run_.details.calibrationRead = ChipCalibrationWord();
    if (chip_.BandGap)
        run_.details.bandGapRead = ChipConfigWord(Protocol.ConfigBytes, 1) & kBandGapBits;
    // The host may decide first: write the value it put in the image, or
    // leave the chip alone (it says why).
    if (const CalibrationVerdict verdict = keeper_.CalibrationFound(Protocol.ConfigBytes);
        verdict != CalibrationVerdict::Check)
        return verdict == CalibrationVerdict::Keep;
    const bool keepWord = KeepsChipCalibration();
    if (keepWord)
        panel_.StatusReported({StatusWord::KeepingCalibration, {.word = ChipCalibrationWord()}});
    if (!chip_.FlashChip)
        return true;
    const std::string& config = Protocol.ConfigBytes;
    bool differs = !keepWord && ConfigByte(config, 25) != (RomWord(chip_.ROMSize - 1) & 0xFF);
    if (chip_.BandGap && !KeepsChipBandGap())
        differs = differs || (image_.FuseValue[1] & kBandGapBits) !=
                                 (ChipConfigWord(config, 1) & kBandGapBits);
    if (!differs)
        return true;
    return panel_.Ask(MessageWord::CalibrationMismatch) == Dialogs::Answer::Yes;
}

bool ProgrammerEngine::EraseStarted() {
    if (!Step("V"))
        return false;
    Status(StatusWord::Erasing);
    Send(Command(cmd::EraseChip));
    return true;
}

// Waits for "V": the supply is on for the erase before programming.
void ProgrammerEngine::OnEraseFirstVoltages() {
    if (EraseStarted())
        Enter(EngineState::EraseFirstDone);
}

// Waits for "Y": the erase before programming is done.
void ProgrammerEngine::OnEraseFirstDone() {
    Reply("Y", CycleVoltagesFor(chip_.CoreType), Protocol.AfterBlankState);
}

// ---- Erase ----

// Waits for "V": the supply is on for the erase.
void ProgrammerEngine::OnEraseVoltages() {
    if (!EraseStarted())
        return;
    if (chip_.ROMSize == 0) {
        Enter(EngineState::EraseEepromPages);
        ProgressMax(chip_.EEPROMSize);
    } else {
        Enter(chip_.CalWord ? EngineState::EraseDone : EngineState::EraseCalibrationWritten);
    }
}

// Waits for "Y": the erase is done.
void ProgrammerEngine::OnEraseDone() {
    Reply("Y", Command(cmd::CycleVoltages), EngineState::EraseCalibrationVoltages);
}

// Waits for "V": the supply is on again to write back the calibration word
// read before the erase.
void ProgrammerEngine::OnEraseCalibrationVoltages() {
    Reply("V", WriteCalibrationBytes(Protocol.ConfigBytes, chip_.FuseBlank[1]),
          EngineState::EraseCalibrationWritten);
}

// Waits for the answer to writing the calibration word back.
void ProgrammerEngine::OnEraseCalibrationWritten() {
    const std::string rx = Protocol.RxText;
    if (rx.size() != 1)
        return Fail();
    Timer(false);
    Status(StatusWord::EraseResult);
    Accept();
    if (rx[0] != 'Y' && rx[0] != 'C' && rx[0] != 'F')
        return Fail();
    Send(Command(cmd::VoltagesOff));
    Enter(EngineState::Closing);
    if (rx[0] == 'Y') {
        Finish(Outcome::Done);
        panel_.Tell(MessageWord::ChipErased);
    } else if (rx[0] == 'C') {
        Finish(Outcome::Failed);
        panel_.Tell(chip_.HasBandGapFlag() ? MessageWord::CalibrationBandGapWriteError
                                           : MessageWord::CalibrationWriteError);
    } else {
        Finish(Outcome::Failed);
        panel_.Tell(MessageWord::BandGapWriteError);
    }
    Timer(true);
}

// Waits for "C" for every page (256 bytes) of a serial EEPROM erased, then "Y".
void ProgrammerEngine::OnEraseEepromPages() {
    const std::string rx = Protocol.RxText;
    if (rx.find_first_not_of("CY") != std::string::npos) {
        if (rx.find('?') != std::string::npos)
            return; // still busy, or an error string the watchdog will name
        return Fail();
    }
    Accept();
    for (char answer : rx) {
        if (answer == 'C') {
            Protocol.DataIndex += kEraseStep;
            Progress(Protocol.DataIndex);
            continue;
        }
        Send(EchoBytes('Y'));
        Progress(0);
        Enter(EngineState::EraseCalibrationWritten);
        return;
    }
}
