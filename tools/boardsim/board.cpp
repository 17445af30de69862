#include "board.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace boardsim {

namespace {

constexpr std::int64_t kSplitGapUs = 2000;
constexpr std::int64_t kBitsTimesMicro = 10'000'000;

std::string Printable(const std::string& bytes) {
    std::string text;
    char hex[4];
    const std::size_t shown = std::min<std::size_t>(bytes.size(), 32);
    for (std::size_t i = 0; i < shown; ++i) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(bytes[i]));
        text += (i ? " " : "") + std::string(hex);
    }
    if (bytes.size() > shown) {
        text += " ...";
    }
    if (bytes.size() <= 4 &&
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x21 && c <= 0x7E; })) {
        text += "  \"" + bytes + "\"";
    }
    return text;
}

} // namespace

Board::Board(Model model, Chip chip) : model_(model), chip_(std::move(chip)) {
    const ChipConfig& config = chip_.config();
    params_.romSize = config.core == CoreClass::SerialEeprom ? 0 : config.romWords;
    params_.eepromSize = config.eepromBytes;
    params_.coreType = config.core == CoreClass::Core16   ? 1
                       : config.core == CoreClass::Core12 ? 4
                       : config.core == CoreClass::Core14 ? 5
                                                          : 0;
    params_.calFlags = config.hasCalWord ? 1 : 0;
    dtr_ = !ResetLevel(model_);
}

void Board::SetPacing(const Pacing& pacing) {
    pacing_ = pacing;
    tx_.SetBaud(pacing_.enabled ? std::max(1, pacing_.baud) : 0);
}

void Board::ApplyOutputFaults() {
    tx_.SetSplit(faults_.splitSizes, kSplitGapUs);
    tx_.SetJoin(faults_.joinAnswers);
}

void Board::SetTime(std::int64_t us) {
    now_ = std::max(now_, us);
}

void Board::Log(const std::string& line) const {
    if (log_) {
        log_(line);
    }
}

void Board::Receive(std::string_view bytes) {
    for (char c : bytes) {
        // Each byte has fully arrived 10 bit times after the line was free.
        rxDone_ = std::max(rxDone_, now_);
        if (pacing_.enabled) {
            rxFraction_ += kBitsTimesMicro;
            rxDone_ += rxFraction_ / std::max(1, pacing_.baud);
            rxFraction_ %= std::max(1, pacing_.baud);
        }
        ReceiveByte(static_cast<std::uint8_t>(c));
    }
    CloseOpenAnswer();
}

void Board::CloseOpenAnswer() {
    if (answerOpen_) {
        answerOpen_ = false;
        tx_.EndDelivery();
    }
}

void Board::SetDtr(bool high) {
    if (high == dtr_) {
        return;
    }
    dtr_ = high;
    Log(std::string("host: DTR ") + (high ? "high" : "low"));
    if (high == ResetLevel(model_)) {
        inReset_ = true;
        silent_ = false;
        doubleNext_ = false;
        wideFusesPending_ = false;
        phase_ = Phase::Command;
        tx_.DropUnsent(now_);
        Log("board: held in reset");
        return;
    }
    if (inReset_) {
        inReset_ = false;
        const int code =
            faults_.greetingCode >= 0 ? faults_.greetingCode : AnnouncementCode(model_);
        Emit(std::string(1, answer::Announce) + static_cast<char>(code));
    }
}

void Board::InsertChip() {
    chipPresent_ = true;
    Log("socket: chip inserted");
    if (phase_ == Phase::Waiting && waitForInsertion_) {
        phase_ = Phase::Command;
        Emit(std::string(1, answer::Yes));
    }
}

void Board::RemoveChip() {
    chipPresent_ = false;
    Log("socket: chip removed");
    if (phase_ == Phase::Waiting && !waitForInsertion_) {
        phase_ = Phase::Command;
        Emit(std::string(1, answer::Yes));
    }
}

void Board::InjectNoise(const std::string& bytes) {
    Log("noise: " + Printable(bytes));
    tx_.Send(bytes, now_);
}

void Board::FallSilent() {
    Log("board: falls silent");
    silent_ = true;
    openNext_ = false;
    while (!tx_.Empty())
        tx_.TakeDelivery(std::numeric_limits<std::int64_t>::max());
}

void Board::Emit(std::string answer, std::int64_t delayUs) {
    if (silent_ || inReset_) {
        openNext_ = false;
        return;
    }
    if (doubleNext_) {
        doubleNext_ = false;
        answer += answer;
    }
    if (!faults_.noise.empty()) {
        answer = faults_.noise + answer;
        faults_.noise.clear();
    }
    if (faults_.silentAfterBytes >= 0) {
        const auto budget = static_cast<std::size_t>(faults_.silentAfterBytes);
        if (answer.size() >= budget) {
            openNext_ = false;
            answer.resize(budget);
            faults_.silentAfterBytes = -1;
            silent_ = true;
        } else {
            faults_.silentAfterBytes -= static_cast<int>(answer.size());
        }
    }
    if (answer.empty()) {
        return;
    }
    if (log_) {
        Log("board: " + Printable(answer));
    }
    // CommandStart's 'P' goes out in one piece with the answer of the command that
    // follows it in the same write ("PA", "PI").
    const bool open = openNext_;
    openNext_ = false;
    answerOpen_ = open;
    tx_.Send(answer, std::max(rxDone_, now_) + delayUs, open);
    if (silent_) {
        Log("board: falls silent");
    }
}

int Board::ArgsNeeded(std::uint8_t code) const {
    switch (code) {
    case cmd::Echo:
    case cmd::BlankCheckROM:
        return 1;
    case cmd::ProgramROM:
    case cmd::ProgramEEPROM:
        return 2;
    case cmd::InitVariables:
        return kInitVariablesArgs;
    case cmd::ProgramIDFuses:
        return kProgramIDFusesArgs;
    case cmd::WriteCalibration:
        return kWriteCalibrationArgs;
    default:
        return 0;
    }
}

void Board::ReceiveByte(std::uint8_t byte) {
    if (inReset_ || silent_) {
        if (log_) {
            char line[48];
            std::snprintf(line, sizeof line, "host: %02X ignored (%s)", byte,
                          inReset_ ? "held in reset" : "silent");
            Log(line);
        }
        return;
    }
    switch (phase_) {
    case Phase::Command:
        StartCommand(byte);
        return;
    case Phase::Waiting:
        Log("host: byte ignored while waiting for the socket");
        return;
    case Phase::Args:
    case Phase::RomWord:
    case Phase::EepromPair:
        args_.push_back(byte);
        break;
    }
    if (static_cast<int>(args_.size()) < argsNeeded_) {
        return;
    }
    if (phase_ == Phase::Args) {
        Execute();
    } else if (phase_ == Phase::RomWord) {
        OnRomWord();
    } else {
        OnEepromPair();
    }
}

void Board::StartCommand(std::uint8_t code) {
    command_ = code;
    args_.clear();
    if (faults_.silentAtCommand == code) {
        faults_.silentAtCommand = -1;
        silent_ = true;
        Log("host: " + CommandName(code) + " -- board falls silent");
        return;
    }
    argsNeeded_ = ArgsNeeded(code);
    if (argsNeeded_ > 0) {
        phase_ = Phase::Args;
        return;
    }
    Execute();
}

bool Board::TakeReplacement(std::uint8_t code) {
    if (faults_.doubleAtCommand == code) {
        faults_.doubleAtCommand = -1;
        doubleNext_ = true;
    }
    if (faults_.replaceAtCommand != code) {
        return false;
    }
    faults_.replaceAtCommand = -1;
    Emit(faults_.replacement);
    return true;
}

void Board::LogCommand() const {
    if (!log_) {
        return;
    }
    std::string line = "host: " + CommandName(command_);
    for (std::uint8_t a : args_) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", a);
        line += hex;
    }
    Log(line);
}

void Board::Execute() {
    phase_ = Phase::Command;
    LogCommand();
    if (TakeReplacement(command_)) {
        return;
    }
    switch (command_) {
    case cmd::CommandStart:
        openNext_ = true;
        return Emit(std::string(1, answer::Start));
    case cmd::CommandEnd:
        return Emit(std::string(1, answer::End));
    case cmd::Echo:
        return Emit(std::string(1, static_cast<char>(args_[0])));
    case cmd::InitVariables:
        return DoInitVariables();
    case cmd::VoltagesOn:
    case cmd::CycleVoltages:
        return Emit(std::string(1, answer::On));
    case cmd::VoltagesOff:
        return Emit(std::string(1, answer::Off));
    case cmd::ProgramROM:
        return DoProgramROM();
    case cmd::ProgramEEPROM:
        return DoProgramEEPROM();
    case cmd::ProgramIDFuses:
        return DoProgramIDFuses();
    case cmd::WriteCalibration:
        return DoWriteCalibration();
    case cmd::ReadROM:
        return DoReadROM();
    case cmd::ReadEEPROM:
        return DoReadEEPROM();
    case cmd::ReadConfig:
        return DoReadConfig();
    case cmd::EraseChip:
        return DoEraseChip();
    case cmd::BlankCheckROM:
        return DoBlankCheckROM();
    case cmd::BlankCheckEEPROM:
        return DoBlankCheckEEPROM();
    case cmd::ProgramFuses:
        return DoProgramFuses();
    case cmd::WaitChipInsertion:
    case cmd::WaitChipRemoval:
        return DoWaitChip(command_ == cmd::WaitChipInsertion);
    case cmd::ReadModel: {
        const int code = faults_.modelCode >= 0 ? faults_.modelCode : ModelCode(model_);
        return Emit(std::string(1, static_cast<char>(code)));
    }
    default:
        // Codes the firmware does not know.
        return Emit(answer::NotSupported);
    }
}

} // namespace boardsim
