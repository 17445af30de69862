// Read copies the chip into the memory image; Verify compares the chip with it
// and reports the first difference. Both take the blocks the board streams.
#include "chipdb/hex_text.h"
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr const char* kConfigAddress1214[] = {"FFF", "2007"};
constexpr const char* kConfigAddress16[] = {"300000", "300002", "300004", "300006",
                                            "300008", "30000A", "30000C"};
} // namespace

StartResult ProgrammerEngine::Read(const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    keeper_.ClearImage();
    Begin(Operation::Read, options);
    run_.readUnderway = true;
    const bool romless = !chip_.HasProgramMemory();
    ProgressMax(romless ? chip_.EEPROMSize : chip_.ROMSize);
    InitialiseProgrammerVariables(romless ? EngineState::ReadEepromVoltages
                                          : EngineState::ReadRomVoltages);
    return StartResult::Started;
}

StartResult ProgrammerEngine::Verify(const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    if (ImageEmpty()) {
        panel_.Tell(MessageWord::NothingToVerify);
        return StartResult::NothingToDo;
    }
    if (ImageIncomplete()) {
        panel_.Tell(MessageWord::ImageIncomplete);
        return StartResult::ImageIncomplete;
    }
    Begin(Operation::Verify, options);
    const bool romless = !chip_.HasProgramMemory();
    ProgressMax(romless ? chip_.EEPROMSize : chip_.ROMSize);
    InitialiseProgrammerVariables(romless ? EngineState::VerifyEepromVoltages
                                          : EngineState::VerifyRomVoltages);
    return StartResult::Started;
}

// ---- Read ----

// Waits for "V": the supply is on for reading program memory.
void ProgrammerEngine::OnReadRomVoltages() {
    if (Step("V"))
        OpenStream(EngineState::ReadRomBlocks, StatusWord::ReadingRom, cmd::ReadROM,
                   2 * chip_.ROMSize);
}

// Waits for blocks of program memory.
void ProgrammerEngine::OnReadRomBlocks() {
    if (!StreamRead(true))
        return;
    if (chip_.EEPROMSize == 0) {
        Send(Command(cmd::VoltagesOff));
        Enter(EngineState::ReadDone);
        return;
    }
    SendCycle();
    Enter(EngineState::ReadEepromVoltages);
    Progress(0);
    Protocol.DataIndex = 0;
    ProgressMax(chip_.EEPROMSize);
}

// Waits for "V": the supply is on for reading data EEPROM.
void ProgrammerEngine::OnReadEepromVoltages() {
    if (Step("V"))
        OpenStream(EngineState::ReadEepromBlocks, StatusWord::ReadingEeprom, cmd::ReadEEPROM,
                   chip_.EEPROMSize);
}

// Waits for blocks of data EEPROM.
void ProgrammerEngine::OnReadEepromBlocks() {
    if (!StreamRead(false))
        return;
    Send(Command(cmd::VoltagesOff));
    if (chip_.ROMSize != 0) {
        Enter(EngineState::ReadDone);
        return;
    }
    // A chip without program memory has no configuration to keep.
    Enter(EngineState::Closing);
    image_.DataChanged = true;
    Finish(Outcome::Done);
    keeper_.ImageRead();
}

// Waits for whatever answers VoltagesOff after a read; the configuration and
// ID read at the start are kept.
void ProgrammerEngine::OnReadDone() {
    const std::string& config = Protocol.ConfigBytes;
    image_.DataChanged = true;
    const int digits = chip_.IdDigits();
    if (digits > 0) {
        image_.IDText.clear();
        for (int i = 0; i < digits; ++i)
            image_.IDText += ToHex(ConfigByte(config, 3 + i) & 0x0F);
    }
    for (int k = 1; k <= chip_.ConfigWords(); ++k)
        image_.FuseValue[static_cast<std::size_t>(k)] = ChipConfigWord(config, k);
    keeper_.ImageRead();
    Finish(Outcome::Done);
    Accept();
    EndCommand();
}

// ---- Verify ----

// Waits for "V": the supply is on for verifying program memory.
void ProgrammerEngine::OnVerifyRomVoltages() {
    if (Step("V"))
        OpenStream(EngineState::VerifyRomBlocks, StatusWord::VerifyingRom, cmd::ReadROM,
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
        Enter(EngineState::VerifyEepromVoltages);
        Protocol.DataIndex = 0;
        ProgressMax(chip_.EEPROMSize);
        return;
    }
    Send(Command(cmd::VoltagesOff));
    Enter(EngineState::VerifyVoltagesOff);
}

// Waits for "V": the supply is on for verifying data EEPROM.
void ProgrammerEngine::OnVerifyEepromVoltages() {
    if (Step("V"))
        OpenStream(EngineState::VerifyEepromBlocks, StatusWord::VerifyingEeprom, cmd::ReadEEPROM,
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
    Enter(EngineState::VerifyVoltagesOff);
}

// Waits for "v": the supply is off after a verify.
void ProgrammerEngine::OnVerifyVoltagesOff() {
    if (!Step("v"))
        return;
    if (!Protocol.VerifyInProgram) {
        EndCommand();
        Status(StatusWord::VerifyResult);
    }
    Timer(false);
    Progress(0);
    if (!IdMatches()) {
        Timer(true);
        return;
    }
    if (Protocol.VerifyInProgram)
        return ProgramFusesAfterVerify();
    if (ConfigMatches(Protocol.ConfigBytes)) {
        Finish(Outcome::Done);
        panel_.Tell(MessageWord::DataVerified);
    }
    Timer(true);
}

// The ID digits of a 14-bit chip against the image's ID text.
bool ProgrammerEngine::IdMatches() {
    if (!chip_.IsMidrange())
        return true;
    const std::string id = image_.IDText;
    for (std::size_t i = 0; i < id.size(); ++i) {
        const int good = HexDigitValue(id[i]);
        const int bad = ConfigByte(Protocol.ConfigBytes, 3 + static_cast<int>(i)) & 0x0F;
        if (good != bad) {
            FinishDifference(MemoryRegion::Id, 0x2000 + static_cast<int>(i), good, bad);
            return false;
        }
    }
    return true;
}

// Configuration words read from the chip against the image.
bool ProgrammerEngine::ConfigMatches(const std::string& config) {
    const int words = chip_.ConfigWords();
    const char* const* addresses = chip_.IsWide()       ? kConfigAddress16
                                   : chip_.IsMidrange() ? &kConfigAddress1214[1]
                                                        : kConfigAddress1214;
    const std::array<int, 8> fuses = FuseWords();
    for (int k = 1; k <= words; ++k) {
        const int good = fuses[static_cast<std::size_t>(k)];
        const int bad = ChipConfigWord(config, k);
        if (good != bad) {
            FinishDifference(MemoryRegion::Fuse, VerifyHEX(addresses[k - 1]), good, bad);
            return false;
        }
    }
    return true;
}
