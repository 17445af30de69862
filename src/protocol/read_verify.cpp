// Read copies the chip into the memory image; Verify compares the chip with it
// and reports the first difference. Both take the blocks the board streams.
#include "chipdb/hex_text.h"
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr const char* kConfigAddress1214[] = {"FFF", "2007"};
constexpr const char* kConfigAddress16[] = {"300000", "300002", "300004", "300006",
                                            "300008", "30000A", "30000C"};

std::string Difference(const std::string& what, int good, int bad, int digits) {
    return what + kGood + MyIntToHex(good, digits) + kBad + MyIntToHex(bad, digits);
}
} // namespace

void ProgrammerEngine::Read() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (image_.DataChanged) {
        const Dialogs::Answer a = host_.dialogs().QuestionYesNoCancel(
            "Data file has changed.\r\rDo you wish to save it?");
        if (a == Dialogs::Answer::Cancel)
            return;
        if (a == Dialogs::Answer::Yes)
            host_.SaveImage();
    }
    host_.ClearImage();
    readUnderway_ = true;
    const bool romless = chip_.WordMask == 0xFF;
    ProgressMax(romless ? chip_.EEPROMSize : chip_.ROMSize);
    InitialiseProgrammerVariables(romless ? EngineState::ReadEepromVoltages
                                          : EngineState::ReadRomVoltages);
}

void ProgrammerEngine::Verify() {
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
    InitialiseProgrammerVariables(romless ? EngineState::VerifyEepromVoltages
                                          : EngineState::VerifyRomVoltages);
}

// ---- Read ----

// Waits for "V": the supply is on for reading program memory.
void ProgrammerEngine::OnReadRomVoltages() {
    if (Step("V"))
        OpenStream(EngineState::ReadRomBlocks, "Reading ROM...", cmd::ReadROM, 2 * chip_.ROMSize);
}

// Waits for blocks of program memory.
void ProgrammerEngine::OnReadRomBlocks() {
    if (!BlocksArrived())
        return;
    ReadBlocks(true);
    if (Protocol.DataIndex < chip_.ROMSize)
        return;
    // The stream has its length: a byte more (noise on the line) has shifted
    // what was read, so none of it can be trusted.
    if (!Protocol.RxText.empty())
        return Fail();
    if (chip_.EEPROMSize == 0) {
        Send(Command(cmd::VoltagesOff));
        Protocol.ProtocolState = EngineState::ReadDone;
        return;
    }
    SendCycle();
    Protocol.ProtocolState = EngineState::ReadEepromVoltages;
    Progress(0);
    Protocol.DataIndex = 0;
    ProgressMax(chip_.EEPROMSize);
}

// Waits for "V": the supply is on for reading data EEPROM.
void ProgrammerEngine::OnReadEepromVoltages() {
    if (Step("V"))
        OpenStream(EngineState::ReadEepromBlocks, "Reading EEPROM...", cmd::ReadEEPROM,
                   chip_.EEPROMSize);
}

// Waits for blocks of data EEPROM.
void ProgrammerEngine::OnReadEepromBlocks() {
    if (!BlocksArrived())
        return;
    ReadBlocks(false);
    if (Protocol.DataIndex < chip_.EEPROMSize)
        return;
    if (!Protocol.RxText.empty())
        return Fail();
    Send(Command(cmd::VoltagesOff));
    if (chip_.ROMSize != 0) {
        Protocol.ProtocolState = EngineState::ReadDone;
        return;
    }
    // A chip without program memory has no configuration to keep.
    Protocol.ProtocolState = EngineState::Closing;
    image_.DataChanged = true;
    Finish(Outcome::Done);
    host_.ShowListing();
}

// Whatever answered VoltagesOff: the read is complete; keep the configuration
// and ID read at the start.
// Waits for whatever answers VoltagesOff after a read.
void ProgrammerEngine::OnReadDone() {
    const std::string& config = Protocol.ConfigBytes;
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

// Waits for "V": the supply is on for verifying program memory.
void ProgrammerEngine::OnVerifyRomVoltages() {
    if (Step("V"))
        OpenStream(EngineState::VerifyRomBlocks, "Verifying ROM...", cmd::ReadROM,
                   2 * chip_.ROMSize);
}

// Waits for blocks of program memory to compare.
void ProgrammerEngine::OnVerifyRomBlocks() {
    if (!BlocksArrived() || !CompareBlocks(true, Command(cmd::VoltagesOff), EngineState::Closing))
        return;
    if (Protocol.DataIndex < chip_.ROMSize)
        return;
    Progress(0);
    Accept();
    if (chip_.EEPROMSize != 0) {
        SendCycle();
        Protocol.ProtocolState = EngineState::VerifyEepromVoltages;
        Protocol.DataIndex = 0;
        ProgressMax(chip_.EEPROMSize);
        return;
    }
    Send(Command(cmd::VoltagesOff));
    Protocol.ProtocolState = EngineState::VerifyVoltagesOff;
}

// Waits for "V": the supply is on for verifying data EEPROM.
void ProgrammerEngine::OnVerifyEepromVoltages() {
    if (Step("V"))
        OpenStream(EngineState::VerifyEepromBlocks, "Verifying EEPROM...", cmd::ReadEEPROM,
                   chip_.EEPROMSize);
}

// Waits for blocks of data EEPROM to compare.
void ProgrammerEngine::OnVerifyEepromBlocks() {
    if (!BlocksArrived() || !CompareBlocks(false, Command(cmd::VoltagesOff), EngineState::Closing))
        return;
    if (Protocol.DataIndex < chip_.EEPROMSize)
        return;
    Accept();
    Send(Protocol.VerifyInProgram ? EchoBytes('v') : Command(cmd::VoltagesOff));
    Protocol.ProtocolState = EngineState::VerifyVoltagesOff;
}

// Waits for "v": the supply is off after a verify.
void ProgrammerEngine::OnVerifyVoltagesOff() {
    if (!Step("v"))
        return;
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
        Protocol.ProtocolState = EngineState::ProgramFusesDone;
        host_.SetStatus("Programming Fuse...");
        return;
    }
    if (ConfigMatches(Protocol.ConfigBytes)) {
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
            FinishDifference("ID", 0x2000 + static_cast<int>(i), good, bad);
            host_.dialogs().Error(
                Difference("ID error 0x20" + MyIntToHex(static_cast<int>(i), 2), good, bad, 4));
            return false;
        }
    }
    return true;
}

// Configuration words read from the chip against the image.
bool ProgrammerEngine::ConfigMatches(const std::string& config) {
    int words = 0;
    const char* const* addresses = nullptr;
    if (chip_.WordMask == 0x0FFF || chip_.WordMask == 0x3FFF) {
        words = 1;
        addresses = &kConfigAddress1214[chip_.WordMask == 0x3FFF ? 1 : 0];
    } else if (chip_.WordMask == 0xFFFF) {
        words = 7;
        addresses = kConfigAddress16;
    }
    const std::array<int, 8> fuses = FuseWords();
    for (int k = 1; k <= words; ++k) {
        const int good = fuses[static_cast<std::size_t>(k)];
        const int bad = ChipConfigWord(config, k);
        if (good != bad) {
            FinishDifference(kFuseRegion, VerifyHEX(addresses[k - 1]), good, bad);
            host_.dialogs().Error(
                Difference("Fuse error 0x" + std::string(addresses[k - 1]), good, bad, 4));
            return false;
        }
    }
    return true;
}
