#include "protocol/engine.h"

#include "chipdb/hex_text.h"
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine_messages.h"

#include <algorithm>

namespace {
constexpr EngineState kOnlyInfo =
    EngineState::NoState; // StartState of Read Chip Info and the calibration read
} // namespace

// Every state that does something with an answer. A state missing here only
// collects bytes until the watchdog ends the wait.
const ProgrammerEngine::StateEntry ProgrammerEngine::kStates[] = {
    {EngineState::Idle, &ProgrammerEngine::Greeting, Answers::Binary},
    {EngineState::AwaitStart, &ProgrammerEngine::OnAwaitStart},
    {EngineState::AwaitModel, &ProgrammerEngine::OnAwaitModel},
    {EngineState::AwaitProgramMode, &ProgrammerEngine::OnAwaitProgramMode},
    {EngineState::AwaitConfigVoltages, &ProgrammerEngine::OnAwaitConfigVoltages},
    {EngineState::AwaitConfig, &ProgrammerEngine::OnAwaitConfig, Answers::Binary},
    {EngineState::AwaitConfigVoltagesOff, &ProgrammerEngine::OnAwaitConfigVoltagesOff},
    {EngineState::ReadRomVoltages, &ProgrammerEngine::OnReadRomVoltages},
    {EngineState::ReadRomBlocks, &ProgrammerEngine::OnReadRomBlocks, Answers::Binary},
    {EngineState::ReadEepromVoltages, &ProgrammerEngine::OnReadEepromVoltages},
    {EngineState::ReadEepromBlocks, &ProgrammerEngine::OnReadEepromBlocks, Answers::Binary},
    {EngineState::ReadDone, &ProgrammerEngine::OnReadDone},
    {EngineState::VerifyRomVoltages, &ProgrammerEngine::OnVerifyRomVoltages},
    {EngineState::VerifyRomBlocks, &ProgrammerEngine::OnVerifyRomBlocks, Answers::Binary},
    {EngineState::VerifyEepromVoltages, &ProgrammerEngine::OnVerifyEepromVoltages},
    {EngineState::VerifyEepromBlocks, &ProgrammerEngine::OnVerifyEepromBlocks, Answers::Binary},
    {EngineState::VerifyVoltagesOff, &ProgrammerEngine::OnVerifyVoltagesOff},
    {EngineState::BlankRomVoltages, &ProgrammerEngine::OnBlankRomVoltages},
    {EngineState::BlankRomAnswers, &ProgrammerEngine::OnBlankRomAnswers},
    {EngineState::BlankEepromVoltages, &ProgrammerEngine::OnBlankEepromVoltages},
    {EngineState::BlankEepromAnswer, &ProgrammerEngine::OnBlankEepromAnswer},
    {EngineState::BlankVoltagesOff, &ProgrammerEngine::OnBlankVoltagesOff},
    {EngineState::EraseFirstVoltages, &ProgrammerEngine::OnEraseFirstVoltages},
    {EngineState::EraseFirstDone, &ProgrammerEngine::OnEraseFirstDone},
    {EngineState::EraseVoltages, &ProgrammerEngine::OnEraseVoltages},
    {EngineState::EraseDone, &ProgrammerEngine::OnEraseDone},
    {EngineState::EraseCalibrationVoltages, &ProgrammerEngine::OnEraseCalibrationVoltages},
    {EngineState::EraseCalibrationWritten, &ProgrammerEngine::OnEraseCalibrationWritten},
    {EngineState::EraseEepromPages, &ProgrammerEngine::OnEraseEepromPages},
    {EngineState::ProgramRomVoltages, &ProgrammerEngine::OnProgramRomVoltages},
    {EngineState::ProgramRomWords, &ProgrammerEngine::OnProgramRomWords},
    {EngineState::ProgramEepromVoltages, &ProgrammerEngine::OnProgramEepromVoltages},
    {EngineState::ProgramEepromBytes, &ProgrammerEngine::OnProgramEepromBytes},
    {EngineState::ProgramEepromVerifyVoltages, &ProgrammerEngine::OnProgramEepromVerifyVoltages},
    {EngineState::ProgramEepromVerifyBlocks, &ProgrammerEngine::OnProgramEepromVerifyBlocks,
     Answers::Binary},
    {EngineState::ProgramIdFusesVoltages, &ProgrammerEngine::OnProgramIdFusesVoltages},
    {EngineState::ProgramIdFusesStatus, &ProgrammerEngine::OnProgramIdFusesStatus, Answers::Binary},
    {EngineState::ProgramIdWritten, &ProgrammerEngine::OnProgramIdWritten, Answers::Binary},
    {EngineState::ProgramFusesDone, &ProgrammerEngine::OnProgramFusesDone},
    {EngineState::ReadBackVoltagesOff, &ProgrammerEngine::OnReadBackVoltagesOff},
    {EngineState::ReadBackVoltagesOn, &ProgrammerEngine::OnReadBackVoltagesOn},
    {EngineState::ReadBackConfig, &ProgrammerEngine::OnReadBackConfig, Answers::Binary},
    {EngineState::Closing, &ProgrammerEngine::OnClosing},
    {EngineState::CommandEnded, &ProgrammerEngine::OnCommandEnded},
    {EngineState::AskedForRemoval, &ProgrammerEngine::OnAskedForRemoval},
    {EngineState::WaitingForRemoval, &ProgrammerEngine::OnWaitingForRemoval},
    {EngineState::AskedForInsertion, &ProgrammerEngine::OnAskedForInsertion},
    {EngineState::WaitingForInsertion, &ProgrammerEngine::OnWaitingForInsertion},
};

ProgrammerEngine::ProgrammerEngine(ProgrammerHost& host, const ChipRecord& chip, MemoryImage& image)
    : host_(host), chip_(chip), image_(image) {}

const ProgrammerEngine::StateEntry* ProgrammerEngine::FindState(EngineState state) {
    for (const StateEntry& e : kStates)
        if (e.state == state)
            return &e;
    return nullptr;
}

void ProgrammerEngine::OnBytes(std::string_view bytes) {
    Protocol.IdleTicks = 0;
    Protocol.RxText.append(bytes);
    // A message box of one of our handlers is open (the watchdog's, say): the
    // bytes wait for that handler to return, so no handler runs inside another.
    if (depth_ > 0) {
        heldBytes_ = true;
        return;
    }
    Dispatch();
}

void ProgrammerEngine::Dispatch() {
    ++depth_;
    do {
        heldBytes_ = false;
        if (streamSkip_ > 0) {
            const std::size_t drop =
                std::min(Protocol.RxText.size(), static_cast<std::size_t>(streamSkip_));
            Protocol.RxText.erase(0, drop);
            streamSkip_ -= static_cast<int>(drop);
        }
        if (Protocol.RxText.empty())
            break;
        const StateEntry* entry = FindState(Protocol.ProtocolState);
        if (entry == nullptr)
            break;
        if (entry->answers == Answers::Text && BoardErrorPending(Protocol.RxText)) {
            // The board's error is told once it has nothing more to say, by
            // the watchdog; a state that waits for the user (a chip put in or
            // taken out) runs without one, so it is started for the error.
            if (!timerOn_)
                Timer(true);
            break;
        }
        (this->*entry->handler)();
        if (Protocol.ReceiveError)
            ReceivedDataError();
    } while (heldBytes_);
    --depth_;
}

bool ProgrammerEngine::Answered(std::string_view text) {
    const std::string& rx = Protocol.RxText;
    if (rx == text)
        return true;
    if (!IsStartOf(rx, text))
        Fail();
    return false;
}

void ProgrammerEngine::OnTick() {
    if (depth_ > 0)
        return; // the timer is stopped around our boxes; a stray tick waits its turn
    ++depth_;
    if (++Protocol.IdleTicks == 15)
        BoardSilent();
    --depth_;
    if (heldBytes_)
        Dispatch();
}

void ProgrammerEngine::ReceivedDataError() {
    std::string rx = Protocol.RxText;
    for (char& c : rx)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    ResetSerial(false);
    host_.SetStatus(kErrorStatus);
    // A serial EEPROM that does not acknowledge makes the board answer X.
    if (!chip_.HasProgramMemory() && rx == "X") {
        Finish(Outcome::NoAnswer);
        host_.dialogs().Error("EEPROM not responding.");
        host_.SetStatus(kReady);
        return;
    }
    Finish(Outcome::BadAnswer);
    host_.dialogs().Error(std::string("Received data error.\r") + kAboutToReset);
    host_.RepaintWindow();
    ResetProgrammer(true);
}

void ProgrammerEngine::FinishDifference(const char* region, int address, int good, int bad) {
    Finish(Outcome::Difference);
    lastDetails_.region = region;
    lastDetails_.address = address;
    lastDetails_.good = good;
    lastDetails_.bad = bad;
}

bool ProgrammerEngine::CancelHere() {
    if (!Protocol.CancelRequested)
        return false;
    Finish(Outcome::Cancelled);
    ResetSerial(true);
    ResetProgrammer(true);
    return true;
}

void ProgrammerEngine::InitialiseProgrammerVariables(EngineState startState) {
    host_.DisableUserButtons();
    for (const std::string& write : InitVariablesWrites(chip_, host_.IcspMode()))
        Send(write);
    Protocol.DataIndex = 0;
    Protocol.ProtocolState = EngineState::AwaitStart;
    Protocol.CancelRequested = false;
    Protocol.StartState = startState;
    lastOutcome_ = Outcome::None;
    lastDetails_ = {};
    Timer(true);
    host_.SetStatus(chip_.ChipID == kNoDeviceId ? std::string("Initializing...")
                                                : "Checking for " + chip_.ChipName + "...");
}

void ProgrammerEngine::Cancel() {
    // The automatic loop waits with the timer off; only a board reset stops it.
    if (host_.AutoProgramOn())
        ResetProgrammer(true);
    else
        Protocol.CancelRequested = true;
}

void ProgrammerEngine::ReadChipInfo() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (chip_.ChipID == kNoDeviceId || chip_.Family() == Core::SerialEeprom ||
        chip_.Family() == Core::Baseline) {
        host_.dialogs().Information("Chip ID is not supported for this device.");
        return;
    }
    Protocol.ChipIDRequest = true;
    InitialiseProgrammerVariables(kOnlyInfo);
}

void ProgrammerEngine::Upgrade() {
    upgradeLoaded_ = true;
}

void ProgrammerEngine::ReadCalibration() {
    InitialiseProgrammerVariables(kOnlyInfo);
}

// ---- Small helpers shared by the states ----

void ProgrammerEngine::Send(const std::string& bytes) {
    host_.Send(bytes);
}

bool ProgrammerEngine::Wide() const {
    return IsWideCore(chip_.Family());
}

void ProgrammerEngine::SendOn() {
    Send(VoltagesOnFor(chip_.CoreType));
}

void ProgrammerEngine::SendCycle() {
    Send(CycleVoltagesFor(chip_.CoreType));
}

void ProgrammerEngine::SendOff() {
    Send(VoltagesOffFor(chip_.CoreType));
}

void ProgrammerEngine::EndCommand(EngineState state) {
    Send(Command(cmd::CommandEnd));
    Protocol.ProtocolState = state;
}

void ProgrammerEngine::Progress(int value) {
    // A board may report a step past the end; the bar stops at its maximum.
    host_.SetProgress(std::clamp(value, 0, std::max(progressMax_, 0)), progressMax_);
}

void ProgrammerEngine::ProgressMax(int maximum) {
    progressMax_ = maximum;
}

void ProgrammerEngine::Timer(bool on) {
    timerOn_ = on;
    host_.SetTimer(on);
}

int ProgrammerEngine::RomWord(int index) const {
    if (index == chip_.ROMSize - 1 && KeepsChipCalibration())
        return ChipCalibrationWord();
    if (index >= 0 && static_cast<std::size_t>(index) < image_.ROMData.size())
        return image_.ROMData[static_cast<std::size_t>(index)];
    return chip_.WordMask;
}

bool ProgrammerEngine::ChipCalibrationRead() const {
    return Protocol.ConfigBytes.size() >= kConfigAnswerBytes - 1; // the answer less its 'C'
}

int ProgrammerEngine::ChipCalibrationWord() const {
    return CalibrationWordRead(Protocol.ConfigBytes);
}

// The image's calibration word is RETLW 0xFF (MOVLW 0xFF on 12-bit cores)
// only when its file left it out: nobody programs that value on purpose.
bool ProgrammerEngine::KeepsChipCalibration() const {
    const std::size_t last = static_cast<std::size_t>(std::max(chip_.ROMSize, 1) - 1);
    return chip_.CalWord && ChipCalibrationRead() &&
           (last >= image_.ROMData.size() || chip_.IsErasedWord(image_.ROMData[last]));
}

bool ProgrammerEngine::KeepsChipBandGap() const {
    return chip_.BandGap && ChipCalibrationRead() &&
           (image_.FuseValue[1] & kBandGapBits) == kBandGapBits;
}

std::array<int, 8> ProgrammerEngine::FuseWords() const {
    std::array<int, 8> words = image_.FuseValue;
    if (KeepsChipBandGap())
        words[1] =
            (words[1] & ~kBandGapBits) | (ChipConfigWord(Protocol.ConfigBytes, 1) & kBandGapBits);
    return words;
}

int ProgrammerEngine::EepromByte(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < image_.EEPROMData.size())
        return image_.EEPROMData[static_cast<std::size_t>(index)];
    return 255;
}

bool ProgrammerEngine::ImageIncomplete() const {
    const auto rom = static_cast<std::size_t>(std::max(chip_.ROMSize, 0));
    const auto eeprom = static_cast<std::size_t>(std::max(chip_.EEPROMSize, 0));
    return image_.ROMData.size() < rom || image_.EEPROMData.size() < eeprom;
}
