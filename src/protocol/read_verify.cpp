// Read copies the chip into the memory image; Verify compares the chip with it
// and reports the first difference. Both take the blocks the board streams.
#include "fuses/fuse_messages.h"
#include "image/hex_text.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr std::size_t kWordsPerBlock = kBlockBytes / 2;
constexpr const char* kConfigAddress1214[] = {"FFF", "2007"};
constexpr const char* kConfigAddress16[] = {"300000", "300002", "300004", "300006",
                                            "300008", "30000A", "30000C"};

int WordAt(const std::string& rx, std::size_t at) {
    return static_cast<unsigned char>(rx[at]) * 256 + static_cast<unsigned char>(rx[at + 1]);
}

std::string Difference(const std::string& what, int good, int bad, int digits) {
    return what + kGood + MyIntToHex(good, digits) + kBad + MyIntToHex(bad, digits);
}
} // namespace

void ProgrammerEngine::ReadButtClick() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (image_.DataChanged) {
        const Dialogs::Answer a =
            host_.dialogs().QuestionYesNoCancel("Data file has changed.\r\rDo you wish to save it?");
        if (a == Dialogs::Answer::Cancel)
            return;
        if (a == Dialogs::Answer::Yes)
            host_.SaveImage();
    }
    host_.ClearImage();
    readUnderway_ = true;
    const bool romless = chip_.WordMask == 0xFF;
    ProgressMax(romless ? chip_.EEPROMSize : chip_.ROMSize);
    InitialiseProgrammerVariables(romless ? 52 : 50);
}

void ProgrammerEngine::VerfButtClick() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (image_.ROMData.empty() && image_.EEPROMData.empty()) {
        host_.dialogs().Information("Nothing to verify");
        return;
    }
    if (ImageIncomplete()) {
        host_.dialogs().Information(kImageIncomplete);
        return;
    }
    const bool romless = chip_.WordMask == 0xFF;
    ProgressMax(romless ? chip_.EEPROMSize : chip_.ROMSize);
    InitialiseProgrammerVariables(romless ? 102 : 100);
}

// ---- Read ----

void ProgrammerEngine::State50() {
    if (!Answered("V"))
        return;
    Accept();
    Protocol.ProtocolState = 51;
    host_.SetStatus("Reading ROM...");
    Send(Command(cmd::ReadROM));
}

void ProgrammerEngine::State51() {
    std::string& rx = Protocol.RxText;
    if (rx.size() < kBlockBytes)
        return;
    if (CancelHere())
        return;
    // Every whole block is taken before the count is looked at.
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes; at += kBlockBytes) {
        for (std::size_t w = 0; w < kWordsPerBlock; ++w)
            image_.ROMData.push_back(WordAt(rx, at + 2 * w));
        Protocol.DataIndex += static_cast<int>(kWordsPerBlock);
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
    if (Protocol.DataIndex < chip_.ROMSize)
        return;
    Accept();
    if (chip_.EEPROMSize == 0) {
        Send(Command(cmd::VoltagesOff));
        Protocol.ProtocolState = 60;
        return;
    }
    SendCycle();
    Protocol.ProtocolState = 52;
    Progress(0);
    Protocol.DataIndex = 0;
    ProgressMax(chip_.EEPROMSize);
}

void ProgrammerEngine::State52() {
    if (!Answered("V"))
        return;
    Accept();
    Protocol.ProtocolState = 53;
    host_.SetStatus("Reading EEPROM...");
    Send(Command(cmd::ReadEEPROM));
}

void ProgrammerEngine::State53() {
    std::string& rx = Protocol.RxText;
    if (rx.size() < kBlockBytes)
        return;
    if (CancelHere())
        return;
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes; at += kBlockBytes) {
        for (std::size_t b = 0; b < kBlockBytes; ++b)
            image_.EEPROMData.push_back(static_cast<unsigned char>(rx[at + b]));
        Protocol.DataIndex += static_cast<int>(kBlockBytes);
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
    if (Protocol.DataIndex < chip_.EEPROMSize)
        return;
    Accept();
    Send(Command(cmd::VoltagesOff));
    if (chip_.ROMSize != 0) {
        Protocol.ProtocolState = 60;
        return;
    }
    // A chip without program memory has no configuration to keep.
    Protocol.ProtocolState = 500;
    readUnderway_ = false;
    image_.DataChanged = true;
    Finish(Outcome::Done);
    host_.ShowListing();
}

// Whatever answered VoltagesOff: the read is complete; keep the configuration
// and ID read at the start.
void ProgrammerEngine::State60() {
    const std::string& config = Protocol.ConfigBytes;
    readUnderway_ = false;
    image_.DataChanged = true;
    host_.ShowListing();
    const int digits = chip_.WordMask == 0xFFFF ? 8 : chip_.WordMask == 0x3FFF ? 4 : 0;
    if (digits > 0) {
        std::string id;
        for (int i = 0; i < digits; ++i)
            id += ToHex(ConfigByte(config, 3 + i) & 0x0F);
        host_.SetIDText(id);
    }
    const int words = chip_.WordMask == 0xFFFF ? 7 : 1;
    if (chip_.WordMask == 0xFFF || chip_.WordMask == 0x3FFF || chip_.WordMask == 0xFFFF) {
        for (int k = 1; k <= words; ++k)
            image_.FuseValue[static_cast<std::size_t>(k)] = ChipConfigWord(config, k);
        host_.ShowFuses();
    }
    host_.RefreshCalibrationDialog();
    Finish(Outcome::Done);
    Accept();
    EndCommand();
}

// ---- Verify ----

void ProgrammerEngine::State100() {
    if (!Answered("V"))
        return;
    Accept();
    Protocol.ProtocolState = 101;
    host_.SetStatus("Verifying ROM...");
    StartStream(cmd::ReadROM, 2 * chip_.ROMSize);
}

void ProgrammerEngine::State101() {
    std::string& rx = Protocol.RxText;
    if (rx.size() < kBlockBytes)
        return;
    if (CancelHere())
        return;
    std::size_t at = 0;
    for (; rx.size() - at >= kBlockBytes; at += kBlockBytes) {
        for (std::size_t w = 0; w < kWordsPerBlock && Protocol.DataIndex < chip_.ROMSize; ++w) {
            const int chipWord = WordAt(rx, at + 2 * w);
            const int good = RomWord(Protocol.DataIndex);
            if (chipWord != good) {
                SkipRestOfStream(at, 2 * (Protocol.DataIndex - static_cast<int>(w)));
                Send(Command(cmd::VoltagesOff));
                host_.SetStatus(kVerifyResult);
                Timer(false);
                Progress(0);
                Finish(Outcome::Difference);
                Accept();
                host_.dialogs().Error(Difference(
                    "ROM error at 0x" + MyIntToHex(Protocol.DataIndex, 4), good, chipWord, 4));
                Timer(true);
                Protocol.ProtocolState = 500;
                return;
            }
            ++Protocol.DataIndex;
        }
    }
    rx.erase(0, at);
    Progress(Protocol.DataIndex);
    if (Protocol.DataIndex < chip_.ROMSize)
        return;
    Progress(0);
    Accept();
    if (chip_.EEPROMSize != 0) {
        SendCycle();
        Protocol.ProtocolState = 102;
        Protocol.DataIndex = 0;
        ProgressMax(chip_.EEPROMSize);
        return;
    }
    Send(Command(cmd::VoltagesOff));
    Protocol.ProtocolState = 110;
}

void ProgrammerEngine::State102() {
    if (!Answered("V"))
        return;
    Accept();
    Protocol.ProtocolState = 103;
    host_.SetStatus("Verifying EEPROM...");
    StartStream(cmd::ReadEEPROM, chip_.EEPROMSize);
}

void ProgrammerEngine::State103() {
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
                Send(Command(cmd::VoltagesOff));
                host_.SetStatus(kVerifyResult);
                Timer(false);
                Progress(0);
                Finish(Outcome::Difference);
                Accept();
                host_.dialogs().Error(Difference(
                    kEepromErrorAt + MyIntToHex(Protocol.DataIndex, 4), good, chipByte, 2));
                Timer(true);
                Protocol.ProtocolState = 500;
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
    Send(Protocol.VerifyInProgram ? EchoBytes('v') : Command(cmd::VoltagesOff));
    Protocol.ProtocolState = 110;
}

void ProgrammerEngine::State110() {
    if (!Answered("v"))
        return;
    Accept();
    if (!Protocol.VerifyInProgram) {
        EndCommand();
        host_.SetStatus(kVerifyResult);
    }
    Timer(false);
    Progress(0);
    if (!IdMatches()) {
        Timer(true);
        return;
    }
    if (Protocol.VerifyInProgram) {
        Send(Command(cmd::ProgramFuses));
        Timer(true);
        Protocol.ProtocolState = 451;
        host_.SetStatus("Programming Fuse...");
        return;
    }
    if (ConfigMatches()) {
        Finish(Outcome::Done);
        host_.dialogs().Information("Data verified");
    }
    Timer(true);
}

// The ID digits of a 14-bit chip against the image's ID text.
bool ProgrammerEngine::IdMatches() {
    if (chip_.WordMask != 0x3FFF)
        return true;
    const std::string id = host_.IDText();
    for (std::size_t i = 0; i < id.size(); ++i) {
        const int good = HexDigitValue(id[i]);
        const int bad = ConfigByte(Protocol.ConfigBytes, 3 + static_cast<int>(i)) & 0x0F;
        if (good != bad) {
            Finish(Outcome::Difference);
            host_.dialogs().Error(
                Difference("ID error 0x20" + MyIntToHex(static_cast<int>(i), 2), good, bad, 4));
            return false;
        }
    }
    return true;
}

// The configuration words read at the start against the image.
bool ProgrammerEngine::ConfigMatches() {
    int words = 0;
    const char* const* addresses = nullptr;
    if (chip_.WordMask == 0x0FFF || chip_.WordMask == 0x3FFF) {
        words = 1;
        addresses = &kConfigAddress1214[chip_.WordMask == 0x3FFF ? 1 : 0];
    } else if (chip_.WordMask == 0xFFFF) {
        words = 7;
        addresses = kConfigAddress16;
    }
    for (int k = 1; k <= words; ++k) {
        const int good = image_.FuseValue[static_cast<std::size_t>(k)];
        const int bad = ChipConfigWord(Protocol.ConfigBytes, k);
        if (good != bad) {
            Finish(Outcome::Difference);
            host_.dialogs().Error(
                Difference(kFuseError + std::string(addresses[k - 1]), good, bad, 4));
            return false;
        }
    }
    return true;
}
