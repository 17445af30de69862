#include "protocol/engine.h"

#include "chipdb/chip_text.h"
#include "chipdb/hex_text.h"
#include "platform/debug_log.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine_messages.h"

#include <algorithm>

namespace {
constexpr EngineState kOnlyInfo =
    EngineState::NoState; // StartState of Read Chip Info and the calibration read
} // namespace

// Every state that does something with an answer. A state missing here only
// collects bytes until the watchdog ends the wait. A state's handler is On and
// its name; Binary states take data or status bytes, Text states characters.
#define STATE(name, answers)                                                                       \
    { EngineState::name, #name, &ProgrammerEngine::On##name, Answers::answers }
const ProgrammerEngine::StateEntry ProgrammerEngine::kStates[] = {
    STATE(Idle, Binary),
    STATE(AwaitStart, Text),
    STATE(AwaitModel, Text),
    STATE(AwaitProgramMode, Text),
    STATE(AwaitConfigVoltages, Text),
    STATE(AwaitConfig, Binary),
    STATE(AwaitConfigVoltagesOff, Text),
    STATE(ReadRomVoltages, Text),
    STATE(ReadRomBlocks, Binary),
    STATE(ReadEepromVoltages, Text),
    STATE(ReadEepromBlocks, Binary),
    STATE(ReadDone, Text),
    STATE(VerifyRomVoltages, Text),
    STATE(VerifyRomBlocks, Binary),
    STATE(VerifyEepromVoltages, Text),
    STATE(VerifyEepromBlocks, Binary),
    STATE(VerifyVoltagesOff, Text),
    STATE(BlankRomVoltages, Text),
    STATE(BlankRomAnswers, Text),
    STATE(BlankEepromVoltages, Text),
    STATE(BlankEepromAnswer, Text),
    STATE(BlankVoltagesOff, Text),
    STATE(EraseFirstVoltages, Text),
    STATE(EraseFirstDone, Text),
    STATE(EraseVoltages, Text),
    STATE(EraseDone, Text),
    STATE(EraseCalibrationVoltages, Text),
    STATE(EraseCalibrationWritten, Text),
    STATE(EraseEepromPages, Text),
    STATE(ProgramRomVoltages, Text),
    STATE(ProgramRomWords, Text),
    STATE(ProgramEepromVoltages, Text),
    STATE(ProgramEepromBytes, Text),
    STATE(ProgramEepromVerifyVoltages, Text),
    STATE(ProgramEepromVerifyBlocks, Binary),
    STATE(ProgramIdFusesVoltages, Text),
    STATE(ProgramIdFusesStatus, Binary),
    STATE(ProgramIdWritten, Binary),
    STATE(ProgramFusesDone, Text),
    STATE(ReadBackVoltagesOff, Text),
    STATE(ReadBackVoltagesOn, Text),
    STATE(ReadBackConfig, Binary),
    STATE(Closing, Text),
    STATE(CommandEnded, Text),
    STATE(AskedForRemoval, Text),
    STATE(WaitingForRemoval, Text),
    STATE(AskedForInsertion, Text),
    STATE(WaitingForInsertion, Text),
};
#undef STATE

ProgrammerEngine::ProgrammerEngine(EngineHosts hosts, const ChipRecord& chip, MemoryImage& image)
    : line_(hosts.line), clock_(hosts.clock), panel_(hosts.panel), keeper_(hosts.keeper),
      chip_(chip), image_(image) {}

const ProgrammerEngine::StateEntry* ProgrammerEngine::FindState(EngineState state) {
    for (const StateEntry& e : kStates)
        if (e.state == state)
            return &e;
    return nullptr;
}

const std::vector<EngineState>& ProgrammerEngine::AllStates() {
    static const std::vector<EngineState> states = [] {
        std::vector<EngineState> all;
        for (const StateEntry& e : kStates)
            all.push_back(e.state);
        return all;
    }();
    return states;
}

const char* ProgrammerEngine::StateName(EngineState state) {
    if (const StateEntry* entry = FindState(state))
        return entry->name;
    return state == EngineState::NoState ? "NoState" : "?";
}

void ProgrammerEngine::Enter(EngineState state) {
    static const bool logged = DebugCategoryOn("engine");
    const EngineState from = Protocol.ProtocolState;
    Protocol.ProtocolState = state;
    if (from == state)
        return;
    if (logged)
        LogLine("engine", std::to_string(static_cast<int>(from)) + " " + StateName(from) + " -> " +
                              std::to_string(static_cast<int>(state)) + " " + StateName(state));
    if (trace_)
        trace_(from, state);
}

ProgrammerEngine::Entry::~Entry() {
    if (--e_.entries_ == 0)
        e_.DeliverReports();
}

void ProgrammerEngine::DeliverReports() {
    // A host that starts something from its report is a new entry of its own.
    while (!reports_.empty()) {
        lastReport_ = reports_.front();
        reports_.erase(reports_.begin());
        panel_.OperationEnded(lastReport_);
    }
}

void ProgrammerEngine::EndRun(bool loopToo) {
    if (run_.operation != Operation::None) {
        reports_.push_back({run_.operation,
                            run_.outcome,
                            run_.details,
                            Protocol.ConfigBytes,
                            StartResult::Started,
                            {}});
        if (loop_.on) {
            loop_.outcome = run_.outcome;
            loop_.details = run_.details;
        }
        run_ = {};
    }
    if (loopToo && loop_.on) {
        const ::Outcome outcome = loop_.cancelled                         ? Outcome::Cancelled
                                  : loop_.refused != StartResult::Started ? Outcome::Declined
                                                                          : loop_.outcome;
        reports_.push_back({Operation::AutoProgram, outcome, loop_.details, {}, loop_.refused, {}});
        loop_ = {};
    }
}

void ProgrammerEngine::OnBytes(std::string_view bytes) {
    const Entry entry(*this);
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
        if (run_.streamSkip > 0) {
            const std::size_t drop =
                std::min(Protocol.RxText.size(), static_cast<std::size_t>(run_.streamSkip));
            Protocol.RxText.erase(0, drop);
            run_.streamSkip -= static_cast<int>(drop);
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
    const Entry entry(*this);
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
    const std::string rx = UpperCaseAscii(Protocol.RxText);
    // The outcome goes with the operation, which the reset below ends.
    const bool eepromSilent = !chip_.HasProgramMemory() && rx == "X";
    Finish(eepromSilent ? Outcome::NoAnswer : Outcome::BadAnswer);
    ResetSerial(false);
    Status(StatusWord::Error);
    // A serial EEPROM that does not acknowledge makes the board answer X.
    if (eepromSilent) {
        panel_.Tell(MessageWord::EepromNotResponding);
        Status(StatusWord::Ready);
        return;
    }
    panel_.Tell(MessageWord::ReceivedDataError);
    ResetProgrammer(true);
}

void ProgrammerEngine::FinishDifference(MemoryRegion region, int address, int good, int bad) {
    static constexpr const char* kRegions[] = {"ROM", "EEPROM", "ID", kFuseRegion};
    Finish(Outcome::Difference);
    run_.details.region = kRegions[static_cast<int>(region)];
    run_.details.address = address;
    run_.details.good = good;
    run_.details.bad = bad;
    panel_.Tell({MessageWord::Difference,
                 {.region = region, .address = address, .good = good, .bad = bad}});
}

bool ProgrammerEngine::CancelHere() {
    if (!Protocol.CancelRequested)
        return false;
    Finish(Outcome::Cancelled);
    ResetSerial(true);
    ResetProgrammer(true);
    return true;
}

// ---- Opening an operation ----

StartResult ProgrammerEngine::CanStart() {
    if (Busy())
        return StartResult::Busy;
    if (!keeper_.ChipSelected()) {
        panel_.Tell(MessageWord::SelectChip);
        return StartResult::NoChip;
    }
    return StartResult::Started;
}

void ProgrammerEngine::Begin(Operation operation, const OperationOptions& options) {
    ProtocolStateRecord fresh;
    fresh.ProtocolState = Protocol.ProtocolState;
    fresh.RxText = std::move(Protocol.RxText);
    fresh.IdleTicks = Protocol.IdleTicks;
    Protocol = std::move(fresh);
    run_ = {};
    run_.operation = operation;
    run_.options = options;
}

void ProgrammerEngine::InitialiseProgrammerVariables(EngineState startState) {
    panel_.OperationStarted(run_.operation);
    for (const std::string& write : InitVariablesWrites(chip_, run_.options.icsp))
        Send(write);
    Protocol.DataIndex = 0;
    Enter(EngineState::AwaitStart);
    Protocol.CancelRequested = false;
    Protocol.StartState = startState;
    Timer(true);
    if (chip_.ChipID == kNoDeviceId)
        Status(StatusWord::Initializing);
    else
        panel_.StatusReported({StatusWord::CheckingFor, {.chip = chip_.ChipName}});
}

void ProgrammerEngine::Cancel() {
    const Entry entry(*this);
    // The automatic loop waits with the timer off; only a board reset stops it.
    if (loop_.on) {
        loop_.cancelled = true;
        ResetProgrammer(true);
    } else {
        Protocol.CancelRequested = true;
    }
}

StartResult ProgrammerEngine::ReadChipInfo(const OperationOptions& options) {
    const Entry entry(*this);
    if (const StartResult refused = CanStart(); refused != StartResult::Started)
        return refused;
    if (chip_.ChipID == kNoDeviceId || chip_.Family() == Core::SerialEeprom ||
        chip_.Family() == Core::Baseline) {
        panel_.Tell(MessageWord::ChipIdNotSupported);
        return StartResult::NotSupported;
    }
    Begin(Operation::ReadChipInfo, options);
    Protocol.ChipIDRequest = true;
    InitialiseProgrammerVariables(kOnlyInfo);
    return StartResult::Started;
}

void ProgrammerEngine::Upgrade() {
    upgradeLoaded_ = true;
}

StartResult ProgrammerEngine::ReadCalibration(const OperationOptions& options) {
    const Entry entry(*this);
    if (Busy())
        return StartResult::Busy;
    Begin(Operation::ReadCalibration, options);
    InitialiseProgrammerVariables(kOnlyInfo);
    return StartResult::Started;
}

// ---- Small helpers shared by the states ----

void ProgrammerEngine::Send(const std::string& bytes) {
    line_.Send(bytes);
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
    Enter(state);
}

void ProgrammerEngine::Progress(int value) {
    // A board may report a step past the end; the bar stops at its maximum.
    panel_.SetProgress(std::clamp(value, 0, std::max(progressMax_, 0)), progressMax_);
}

void ProgrammerEngine::ProgressMax(int maximum) {
    progressMax_ = maximum;
}

void ProgrammerEngine::Timer(bool on) {
    timerOn_ = on;
    clock_.SetTimer(on);
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

bool ProgrammerEngine::ImageEmpty() const {
    return image_.ROMData.empty() && image_.EEPROMData.empty();
}

bool ProgrammerEngine::ImageIncomplete() const {
    const auto rom = static_cast<std::size_t>(std::max(chip_.ROMSize, 0));
    const auto eeprom = static_cast<std::size_t>(std::max(chip_.EEPROMSize, 0));
    return image_.ROMData.size() < rom || image_.EEPROMData.size() < eeprom;
}
