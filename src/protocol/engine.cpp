#include "protocol/engine.h"

#include "fuses/fuse_messages.h"
#include "image/hex_text.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine_messages.h"

#include <algorithm>

namespace {
constexpr int kOnlyInfo = -1; // StartState of Read Chip Info and the calibration read
} // namespace

// Every state that does something with an answer. A state missing here only
// collects bytes until the watchdog ends the wait.
const ProgrammerEngine::StateEntry ProgrammerEngine::kStates[] = {
    {0, &ProgrammerEngine::Greeting, Answers::Binary},
    {10, &ProgrammerEngine::State10},
    {11, &ProgrammerEngine::State11},
    {12, &ProgrammerEngine::State12},
    {13, &ProgrammerEngine::State13},
    {14, &ProgrammerEngine::State14, Answers::Binary},
    {15, &ProgrammerEngine::State15},
    {50, &ProgrammerEngine::State50},
    {51, &ProgrammerEngine::State51, Answers::Binary},
    {52, &ProgrammerEngine::State52},
    {53, &ProgrammerEngine::State53, Answers::Binary},
    {60, &ProgrammerEngine::State60},
    {100, &ProgrammerEngine::State100},
    {101, &ProgrammerEngine::State101, Answers::Binary},
    {102, &ProgrammerEngine::State102},
    {103, &ProgrammerEngine::State103, Answers::Binary},
    {110, &ProgrammerEngine::State110},
    {200, &ProgrammerEngine::State200},
    {201, &ProgrammerEngine::State201},
    {202, &ProgrammerEngine::State202},
    {203, &ProgrammerEngine::State203},
    {204, &ProgrammerEngine::State204},
    {205, &ProgrammerEngine::State205},
    {206, &ProgrammerEngine::State206},
    {250, &ProgrammerEngine::State250},
    {251, &ProgrammerEngine::State251},
    {252, &ProgrammerEngine::State252},
    {253, &ProgrammerEngine::State253},
    {255, &ProgrammerEngine::State255},
    {400, &ProgrammerEngine::State400},
    {401, &ProgrammerEngine::State401},
    {402, &ProgrammerEngine::State402},
    {403, &ProgrammerEngine::State403},
    {404, &ProgrammerEngine::State404},
    {405, &ProgrammerEngine::State405, Answers::Binary},
    {406, &ProgrammerEngine::State406},
    {407, &ProgrammerEngine::State407, Answers::Binary},
    {450, &ProgrammerEngine::State450, Answers::Binary},
    {451, &ProgrammerEngine::State451},
    {452, &ProgrammerEngine::State452},
    {453, &ProgrammerEngine::State453},
    {454, &ProgrammerEngine::State454, Answers::Binary},
    {500, &ProgrammerEngine::State500},
    {501, &ProgrammerEngine::State501},
    {502, &ProgrammerEngine::State502},
    {503, &ProgrammerEngine::State503},
    {600, &ProgrammerEngine::State600},
    {601, &ProgrammerEngine::State601},
};

ProgrammerEngine::ProgrammerEngine(ProgrammerHost& host, const ChipRecord& chip, MemoryImage& image)
    : host_(host), chip_(chip), image_(image) {}

std::vector<int> ProgrammerEngine::HandledStates() {
    std::vector<int> states;
    for (const StateEntry& e : kStates)
        states.push_back(e.state);
    return states;
}

const ProgrammerEngine::StateEntry* ProgrammerEngine::FindState(int state) {
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
    if (chip_.WordMask == 0xFF && rx == "X") {
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
    LastDetails.region = region;
    LastDetails.address = address;
    LastDetails.good = good;
    LastDetails.bad = bad;
}

bool ProgrammerEngine::CancelHere() {
    if (!Protocol.CancelRequested)
        return false;
    Finish(Outcome::Cancelled);
    ResetSerial(true);
    ResetProgrammer(true);
    return true;
}

void ProgrammerEngine::InitialiseProgrammerVariables(int startState) {
    host_.DisableUserButtons();
    for (const std::string& write : InitVariablesWrites(chip_, host_.IcspMode()))
        Send(write);
    Protocol.DataIndex = 0;
    Protocol.ProtocolState = 10;
    Protocol.CancelRequested = false;
    Protocol.StartState = startState;
    LastOutcome = Outcome::None;
    LastDetails = {};
    Timer(true);
    host_.SetStatus(chip_.ChipID == kNoDeviceId ? std::string("Initializing...")
                                                : "Checking for " + chip_.ChipName + "...");
}

void ProgrammerEngine::CanButtClick() {
    // The automatic loop waits with the timer off; only a board reset stops it.
    if (host_.AutoProgramOn())
        ResetProgrammer(true);
    else
        Protocol.CancelRequested = true;
}

void ProgrammerEngine::ReadChipID1Click() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    if (chip_.ChipID == kNoDeviceId || chip_.CoreType == 0 || chip_.CoreType == 4) {
        host_.dialogs().Information("Chip ID is not supported for this device.");
        return;
    }
    Protocol.ChipIDRequest = true;
    InitialiseProgrammerVariables(kOnlyInfo);
}

void ProgrammerEngine::ReadCalibrationAndBG() {
    InitialiseProgrammerVariables(kOnlyInfo);
}

// ---- Small helpers shared by the states ----

void ProgrammerEngine::Send(const std::string& bytes) {
    host_.Send(bytes);
}

bool ProgrammerEngine::Wide() const {
    return WideCore(chip_.CoreType);
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

void ProgrammerEngine::EndCommand(int state) {
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
    if (index >= 0 && static_cast<std::size_t>(index) < image_.ROMData.size())
        return image_.ROMData[static_cast<std::size_t>(index)];
    return chip_.WordMask;
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
