// Program: the blank check first, then program memory word by word, the data
// EEPROM pair by pair with a read-back, then ID and configuration. 16-bit cores
// get a full verify pass between their ID and their configuration words.
#include "fuses/fuse_messages.h"
#include "image/hex_text.h"
#include "platform/dialogs.h"
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
            while (length >= 1 && RomWord(length - 1) == chip_.WordMask)
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

void ProgrammerEngine::ProgButtClick() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (image_.ROMData.empty() && image_.EEPROMData.empty()) {
        host_.dialogs().Information(kNothingToProgram);
        return;
    }
    if (!host_.ReloadNewerFile())
        return;
    if (ImageIncomplete()) {
        host_.dialogs().Information(kImageIncomplete);
        return;
    }
    if (chip_.CPWarn && host_.dialogs().QuestionYesNo(
                            "WARNING!\r\rThis device has code protection that cannot "
                            "be erased.\rDo you wish to continue?") != Dialogs::Answer::Yes)
        return;
    SetProgrammingDataSize();
    ProgressMax(chip_.ROMSize);
    if (chip_.CoreType == 0) {
        // A serial EEPROM is written whole, without a blank check.
        Protocol.EEPROMProgLength = chip_.EEPROMSize;
        InitialiseProgrammerVariables(402);
        return;
    }
    InitialiseProgrammerVariables(200);
    Protocol.AfterBlankState = chip_.ROMSize != 0 ? 400 : 402;
}

// ---- Program memory and data EEPROM ----

void ProgrammerEngine::State400() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Step("V"))
        return;
    const int length = Protocol.ROMProgLength;
    Send(ProgramROMBytes(length));
    Progress(0);
    if (UpgradeLoaded) {
        host_.SetStatus("Upgrading...");
        ProgressMax(4 * length);
    } else {
        host_.SetStatus("Programming ROM...");
        ProgressMax(length);
    }
    Protocol.DataIndex = 0;
    Protocol.ProtocolState = 401;
}

// The board asks for each word with 'Y'. It may ask once more than the count
// while it writes the last word: that request gets 0x0000.
void ProgrammerEngine::State401() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (CancelHere())
        return;
    const char answer = rx[0];
    if (answer == 'Y') {
        Accept();
        const int index = Protocol.DataIndex;
        const int word = index < Protocol.ROMProgLength ? RomWord(index) : 0;
        if (index == chip_.ROMSize - 1 && chip_.CalWord)
            LastDetails.calibrationWritten = word;
        Send(WordBytes(word));
        Progress(++Protocol.DataIndex);
    } else if (answer == 'N') {
        WriteFailure();
    } else if (answer == 'P') {
        Progress(0);
        Accept();
        SendCycle();
        Protocol.ProtocolState = chip_.EEPROMSize == 0 ? 406 : 402;
    } else {
        Fail();
    }
}

void ProgrammerEngine::WriteFailure() {
    Progress(0);
    Accept();
    Send(Command(cmd::VoltagesOff));
    Timer(false);
    host_.SetStatus("Programming error...");
    Finish(Outcome::Failed);
    // The board asks for the next word while it writes the one before: the
    // failed word is two behind the requests answered.
    host_.dialogs().Error("ROM programming error at address 0x" +
                          MyIntToHex(std::max(Protocol.DataIndex - 2, 0), 4));
    Timer(true);
    Protocol.ProtocolState = 500;
}

void ProgrammerEngine::State402() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (!Step("V"))
        return;
    Send(ProgramEEPROMBytes(Protocol.EEPROMProgLength));
    if (!UpgradeLoaded)
        host_.SetStatus("Programming EEPROM...");
    Progress(0);
    ProgressMax(Protocol.EEPROMProgLength);
    Protocol.DataIndex = 0;
    Protocol.ProtocolState = 403;
}

void ProgrammerEngine::State403() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    if (CancelHere())
        return;
    const char answer = rx[0];
    if (answer == 'Y') {
        Accept();
        const int i = Protocol.DataIndex;
        const bool inside = i < Protocol.EEPROMProgLength;
        Send({static_cast<char>(inside ? EepromByte(i) : 0),
              static_cast<char>(inside ? EepromByte(i + 1) : 0)});
        Protocol.DataIndex += 2;
        Progress(Protocol.DataIndex);
    } else if (answer == 'P') {
        Progress(0);
        Protocol.DataIndex = 0;
        Accept();
        if (Wide()) {
            // 16-bit cores check their EEPROM in the verify pass.
            Send(EchoBytes('V'));
            Protocol.ProtocolState = 406;
        } else {
            Send(Command(cmd::CycleVoltages));
            Protocol.ProtocolState = 404;
        }
    } else {
        Fail();
    }
}

void ProgrammerEngine::State404() {
    if (Step("V"))
        OpenStream(405, UpgradeLoaded ? nullptr : "Verifying EEPROM...", cmd::ReadEEPROM,
                   chip_.EEPROMSize);
}

// The data EEPROM read back after writing it.
void ProgrammerEngine::State405() {
    if (!BlocksArrived() || !CompareBlocks(false, Command(cmd::CommandEnd), 501))
        return;
    if (Protocol.DataIndex < chip_.EEPROMSize)
        return;
    Accept();
    if (chip_.ROMSize == 0) {
        // A serial EEPROM is finished once its data read back right.
        Finish(Outcome::Done);
        Send(Command(cmd::VoltagesOff));
        Protocol.ProtocolState = 500;
        return;
    }
    Send(Command(cmd::CycleVoltages));
    Protocol.ProtocolState = 406;
}

// ---- ID and configuration ----

void ProgrammerEngine::State406() {
    if (!Answered("V"))
        return;
    Send(ProgramIDFusesBytes(host_.IDText(), FuseWords()));
    Accept();
    if (Wide()) {
        Protocol.ProtocolState = 450;
        host_.SetStatus("Programming ID...");
    } else {
        Protocol.ProtocolState = 407;
        host_.SetStatus("Programming config...");
    }
}

void ProgrammerEngine::State407() {
    const std::size_t at = AfterBusyMarks(Protocol.RxText);
    if (at == std::string::npos)
        return; // busy
    const auto status = static_cast<unsigned char>(Protocol.RxText[at]);
    Send(Command(cmd::VoltagesOff));
    Accept();
    if (status != 0x00 && status != 0xFF)
        return Fail();
    Timer(false);
    Protocol.ProtocolState = 500;
    if (status == 0x00) {
        host_.SetStatus(kErrorStatus);
        Finish(Outcome::Failed);
        host_.dialogs().Error("ID FUSE programming error.");
    } else {
        host_.SetStatus("Programming result...");
        Progress(0);
        Finish(Outcome::Done);
        if (!host_.AutoProgramOn())
            host_.dialogs().Information("Programming complete.");
    }
    host_.SetStatus(kReady);
    Timer(true);
}

// 16-bit cores: the ID is written; the verify pass follows before the
// configuration words are written.
void ProgrammerEngine::State450() {
    if (AfterBusyMarks(Protocol.RxText) == std::string::npos)
        return;
    Send(EchoBytes('V'));
    Accept();
    Protocol.VerifyInProgram = true;
    Protocol.DataIndex = 0;
    Progress(0);
    ProgressMax(chip_.ROMSize);
    Protocol.ProtocolState = 100;
}

// ProgramFuses is done; the supply is cycled for the read-back.
void ProgrammerEngine::State451() {
    Reply("Y", Command(cmd::VoltagesOff), 452);
}

void ProgrammerEngine::State452() {
    Reply("v", Command(cmd::VoltagesOn), 453);
}

void ProgrammerEngine::State453() {
    Reply("V", Command(cmd::ReadConfig), 454);
}

// The configuration words read back after ProgramFuses.
void ProgrammerEngine::State454() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != kConfigAnswerBytes)
        return;
    if (rx[0] != 'C')
        return Fail();
    const std::string config = rx.substr(1);
    Timer(false);
    Send(Command(cmd::VoltagesOff));
    Protocol.ProtocolState = 500;
    Progress(0);
    // The answer stays in the received text; state 500 takes whatever follows.
    if (!ConfigMatches(config)) {
        Timer(true);
        return;
    }
    Finish(Outcome::Done);
    if (!host_.AutoProgramOn())
        host_.dialogs().Information("Programming complete");
    Timer(true);
}
