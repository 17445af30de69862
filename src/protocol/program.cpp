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

namespace {
constexpr const char* kFuseAddress[] = {"300000", "300002", "300004", "300006",
                                        "300008", "30000A", "30000C"};
} // namespace

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
    if (chip_.CPWarn &&
        host_.dialogs().QuestionYesNo("WARNING!\r\rThis device has code protection that cannot "
                                      "be erased.\rDo you wish to continue?") !=
            Dialogs::Answer::Yes)
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
    if (!Answered("V"))
        return;
    Accept();
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
        Send(WordBytes(index < Protocol.ROMProgLength ? RomWord(index) : 0));
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
    if (!Answered("V"))
        return;
    Accept();
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
    if (!Answered("V"))
        return;
    Accept();
    Protocol.ProtocolState = 405;
    if (!UpgradeLoaded)
        host_.SetStatus("Verifying EEPROM...");
    StartStream(cmd::ReadEEPROM, chip_.EEPROMSize);
}

// The data EEPROM read back after writing it.
void ProgrammerEngine::State405() {
    std::string& rx = Protocol.RxText;
    if (rx.size() < kBlockBytes)
        return;
    if (CancelHere())
        return;
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes; at += kBlockBytes) {
        for (std::size_t b = 0; b < kBlockBytes && Protocol.DataIndex < chip_.EEPROMSize; ++b) {
            const int chipByte = static_cast<unsigned char>(rx[at + b]);
            const int good = EepromByte(Protocol.DataIndex);
            if (chipByte != good) {
                SkipRestOfStream(at, Protocol.DataIndex - static_cast<int>(b));
                EndCommand();
                host_.SetStatus(kVerifyResult);
                Timer(false);
                Progress(0);
                Finish(Outcome::Difference);
                Accept();
                host_.dialogs().Error(kEepromErrorAt + MyIntToHex(Protocol.DataIndex, 4) + kGood +
                                      MyIntToHex(good, 2) + kBad + MyIntToHex(chipByte, 2));
                Timer(true);
                return;
            }
            ++Protocol.DataIndex;
        }
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
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
    Send(ProgramIDFusesBytes(host_.IDText(), image_.FuseValue));
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
    if (status != 0x00 && status != 0xFF)
        return Fail();
    Send(Command(cmd::VoltagesOff));
    Accept();
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

void ProgrammerEngine::State451() {
    if (!Answered("Y"))
        return;
    Send(Command(cmd::VoltagesOff));
    Protocol.ProtocolState = 452;
    Accept();
}

void ProgrammerEngine::State452() {
    if (!Answered("v"))
        return;
    Send(Command(cmd::VoltagesOn));
    Protocol.ProtocolState = 453;
    Accept();
}

void ProgrammerEngine::State453() {
    if (!Answered("V"))
        return;
    Send(Command(cmd::ReadConfig));
    Protocol.ProtocolState = 454;
    Accept();
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
    for (int k = 1; k <= 7; ++k) {
        const int good = image_.FuseValue[static_cast<std::size_t>(k)];
        const int bad = ChipConfigWord(config, k);
        if (good != bad) {
            Finish(Outcome::Difference);
            host_.dialogs().Error(kFuseError + std::string(kFuseAddress[k - 1]) + kGood +
                                  MyIntToHex(good, 4) + kBad + MyIntToHex(bad, 4));
            Timer(true);
            return;
        }
    }
    Finish(Outcome::Done);
    if (!host_.AutoProgramOn())
        host_.dialogs().Information("Programming complete");
    Timer(true);
}
