// Program: the blank check first, then program memory word by word, the data
// EEPROM pair by pair with a read-back, then ID and configuration. 16-bit cores
// get a full verify pass between their ID and their configuration words.
#include "chipdb/hex_text.h"
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

#include <algorithm>

void ProgrammerEngine::SetProgrammingDataSize() {
    Protocol.ROMProgLength = 0;
    if (chip_.ROMSize != 0) {
        int length = chip_.ROMSize;
        // A chip with a calibration word gets its last word (the calibration
        // instruction) written every time; others stop after the last used word.
        if (!chip_.CalWord)
            while (length >= 1 && chip_.IsErasedWord(RomWord(length - 1)))
                --length;
        Protocol.ROMProgLength = (length + 3) / 4 * 4;
    }
    if (chip_.EEPROMSize != 0) {
        int length = chip_.EEPROMSize;
        while (length >= 1 && EepromByte(length - 1) == 255)
            --length;
        Protocol.EEPROMProgLength = length + length % 2;
    }
}

StartResult ProgrammerEngine::Program(const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    if (ImageEmpty()) {
        panel_.Tell(MessageWord::NothingToProgram);
        return StartResult::NothingToDo;
    }
    if (!keeper_.ReloadNewerFile())
        return StartResult::FileNotReloaded;
    if (ImageIncomplete()) {
        panel_.Tell(MessageWord::ImageIncomplete);
        return StartResult::ImageIncomplete;
    }
    if (chip_.CPWarn && panel_.Ask(MessageWord::CodeProtection) != Dialogs::Answer::Yes)
        return StartResult::Declined;
    Begin(Operation::Program, options);
    SetProgrammingDataSize();
    ProgressMax(chip_.ROMSize);
    if (chip_.Family() == Core::SerialEeprom) {
        // A serial EEPROM is written whole, without a blank check.
        Protocol.EEPROMProgLength = chip_.EEPROMSize;
        InitialiseProgrammerVariables(EngineState::ProgramEepromVoltages);
        return StartResult::Started;
    }
    Protocol.AfterBlankState =
        chip_.ROMSize != 0 ? EngineState::ProgramRomVoltages : EngineState::ProgramEepromVoltages;
    InitialiseProgrammerVariables(EngineState::BlankRomVoltages);
    return StartResult::Started;
}

// ---- Program memory and data EEPROM ----

// Waits for "V": the supply is on for writing program memory.
void ProgrammerEngine::OnProgramRomVoltages() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Step("V"))
        return;
    const int length = Protocol.ROMProgLength;
    Send(ProgramROMBytes(length));
    Progress(0);
    if (upgradeLoaded_) {
        Status(StatusWord::Upgrading);
        ProgressMax(4 * length);
    } else {
        Status(StatusWord::ProgrammingRom);
        ProgressMax(length);
    }
    Protocol.DataIndex = 0;
    Enter(EngineState::ProgramRomWords);
}

ProgrammerEngine::Paced ProgrammerEngine::PacedAnswer(bool wordFailures) {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1 || CancelHere())
        return Paced::Wait;
    const char answer = rx[0];
    if (answer == 'N' && wordFailures) {
        WriteFailure();
        return Paced::Wait;
    }
    if (answer != 'Y' && answer != 'P') {
        Fail();
        return Paced::Wait;
    }
    if (answer == 'P')
        Progress(0);
    Accept();
    return answer == 'Y' ? Paced::Next : Paced::End;
}

// Waits for "Y": the board asks for the next program word (once more than the
// count while it writes the last word: that request gets 0x0000).
void ProgrammerEngine::OnProgramRomWords() {
    const Paced answer = PacedAnswer(true);
    if (answer == Paced::Next) {
        const int index = Protocol.DataIndex;
        const int word = index < Protocol.ROMProgLength ? RomWord(index) : 0;
        if (index == chip_.ROMSize - 1 && chip_.CalWord)
            run_.details.calibrationWritten = word;
        Send(WordBytes(word));
        Progress(++Protocol.DataIndex);
    } else if (answer == Paced::End) {
        SendCycle();
        Enter(chip_.EEPROMSize == 0 ? EngineState::ProgramIdFusesVoltages
                                    : EngineState::ProgramEepromVoltages);
    }
}

void ProgrammerEngine::WriteFailure() {
    Progress(0);
    Accept();
    Send(Command(cmd::VoltagesOff));
    Timer(false);
    Status(StatusWord::ProgrammingError);
    Finish(Outcome::Failed);
    // The board asks for the next word while it writes the one before: the
    // failed word is two behind the requests answered.
    panel_.Tell(
        {MessageWord::RomProgrammingError, {.address = std::max(Protocol.DataIndex - 2, 0)}});
    Timer(true);
    Enter(EngineState::Closing);
}

// Waits for "V": the supply is on for writing data EEPROM.
void ProgrammerEngine::OnProgramEepromVoltages() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Step("V"))
        return;
    Send(ProgramEEPROMBytes(Protocol.EEPROMProgLength));
    if (!upgradeLoaded_)
        Status(StatusWord::ProgrammingEeprom);
    Progress(0);
    ProgressMax(Protocol.EEPROMProgLength);
    Protocol.DataIndex = 0;
    Enter(EngineState::ProgramEepromBytes);
}

// Waits for "Y": the board asks for the next EEPROM byte.
void ProgrammerEngine::OnProgramEepromBytes() {
    const Paced answer = PacedAnswer(false);
    if (answer == Paced::Next) {
        const int i = Protocol.DataIndex;
        const bool inside = i < Protocol.EEPROMProgLength;
        Send({static_cast<char>(inside ? EepromByte(i) : 0),
              static_cast<char>(inside ? EepromByte(i + 1) : 0)});
        Protocol.DataIndex += 2;
        Progress(Protocol.DataIndex);
    } else if (answer == Paced::End) {
        Protocol.DataIndex = 0;
        if (Wide()) {
            // 16-bit cores check their EEPROM in the verify pass.
            Send(EchoBytes('V'));
            Enter(EngineState::ProgramIdFusesVoltages);
        } else {
            Send(Command(cmd::CycleVoltages));
            Enter(EngineState::ProgramEepromVerifyVoltages);
        }
    }
}

// Waits for "V": the supply is on for reading the EEPROM back.
void ProgrammerEngine::OnProgramEepromVerifyVoltages() {
    if (Step("V"))
        OpenStream(EngineState::ProgramEepromVerifyBlocks,
                   upgradeLoaded_ ? std::nullopt : std::optional(StatusWord::VerifyingEeprom),
                   cmd::ReadEEPROM, chip_.EEPROMSize);
}

// Waits for blocks of data EEPROM read back after writing.
void ProgrammerEngine::OnProgramEepromVerifyBlocks() {
    if (!BlocksArrived() ||
        !CompareBlocks(false, Command(cmd::CommandEnd), EngineState::CommandEnded))
        return;
    if (Protocol.DataIndex < chip_.EEPROMSize)
        return;
    Accept();
    if (chip_.ROMSize == 0) {
        // A serial EEPROM is finished once its data read back right.
        Finish(Outcome::Done);
        Send(Command(cmd::VoltagesOff));
        Enter(EngineState::Closing);
        return;
    }
    Send(Command(cmd::CycleVoltages));
    Enter(EngineState::ProgramIdFusesVoltages);
}

// ---- ID and configuration ----

// Waits for "V": the supply is on for writing ID and fuses.
void ProgrammerEngine::OnProgramIdFusesVoltages() {
    if (!Answered("V"))
        return;
    const std::array<int, 8> fuses = FuseWords();
    if (chip_.BandGap && run_.details.bandGapRead >= 0)
        run_.details.bandGapWritten = fuses[1] & kBandGapBits;
    Send(ProgramIDFusesBytes(image_.IDText, fuses));
    Accept();
    if (Wide()) {
        Enter(EngineState::ProgramIdWritten);
        Status(StatusWord::ProgrammingId);
    } else {
        Enter(EngineState::ProgramIdFusesStatus);
        Status(StatusWord::ProgrammingConfig);
    }
}

// Waits for the status of writing ID and fuses, after busy marks.
void ProgrammerEngine::OnProgramIdFusesStatus() {
    const std::size_t at = AfterBusyAnswers(Protocol.RxText);
    if (at == std::string::npos)
        return; // busy
    const auto status = static_cast<unsigned char>(Protocol.RxText[at]);
    Send(Command(cmd::VoltagesOff));
    Accept();
    if (status != 0x00 && status != 0xFF)
        return Fail();
    Timer(false);
    Enter(EngineState::Closing);
    if (status == 0x00) {
        Status(StatusWord::Error);
        Finish(Outcome::Failed);
        panel_.Tell(MessageWord::IdFuseProgrammingError);
    } else {
        Status(StatusWord::ProgrammingResult);
        Progress(0);
        Finish(Outcome::Done);
        if (!LoopContinues())
            panel_.Tell(MessageWord::ProgrammingComplete);
    }
    Status(StatusWord::Ready);
    Timer(true);
}

// Waits for the end of writing the ID on a 16-bit core; the verify pass
// follows before the configuration words are written.
void ProgrammerEngine::OnProgramIdWritten() {
    if (AfterBusyAnswers(Protocol.RxText) == std::string::npos)
        return;
    Send(EchoBytes('V'));
    Accept();
    Protocol.VerifyInProgram = true;
    Protocol.DataIndex = 0;
    Progress(0);
    ProgressMax(chip_.ROMSize);
    Enter(EngineState::VerifyRomVoltages);
}

void ProgrammerEngine::ProgramFusesAfterVerify() {
    Send(Command(cmd::ProgramFuses));
    Timer(true);
    Enter(EngineState::ProgramFusesDone);
    Status(StatusWord::ProgrammingFuse);
}

// Waits for "Y": the fuses are written; the supply is cycled for the read-back.
void ProgrammerEngine::OnProgramFusesDone() {
    Reply("Y", Command(cmd::VoltagesOff), EngineState::ReadBackVoltagesOff);
}

// Waits for "v": the supply is off before the read-back.
void ProgrammerEngine::OnReadBackVoltagesOff() {
    Reply("v", Command(cmd::VoltagesOn), EngineState::ReadBackVoltagesOn);
}

// Waits for "V": the supply is on for reading the fuses back.
void ProgrammerEngine::OnReadBackVoltagesOn() {
    Reply("V", Command(cmd::ReadConfig), EngineState::ReadBackConfig);
}

// Waits for the configuration read back after writing the fuses.
void ProgrammerEngine::OnReadBackConfig() {
    const std::optional<std::string> config = ConfigAnswer();
    if (!config)
        return;
    Timer(false);
    Send(Command(cmd::VoltagesOff));
    Enter(EngineState::Closing);
    Progress(0);
    // The answer stays in the received text; state 500 takes whatever follows.
    if (!ConfigMatches(*config)) {
        Timer(true);
        return;
    }
    Finish(Outcome::Done);
    if (!LoopContinues())
        panel_.Tell(MessageWord::WideProgrammingComplete);
    Timer(true);
}
