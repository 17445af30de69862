// The board's handling of each chip command: what it does to the chip in the
// socket and what it answers.
#include "board.h"

#include <algorithm>
#include <cstdio>

namespace boardsim {

namespace {

// The board writes one word behind the one it has just received, so it asks
// for one word more than the count and the host pads that request with 0x0000.
constexpr int kWriteLookahead = 1;
// A socket that already is as the host wants answers after this settling time.
constexpr std::int64_t kSocketSettleUs = 20'000;
// The largest serial EEPROM, 24C512, in bytes.
constexpr int kLargestSerialEeprom = 0x10000;

std::uint16_t Word(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}

void AppendLowHigh(std::string& out, std::uint16_t word) {
    out += static_cast<char>(word & 0xFF);
    out += static_cast<char>(word >> 8);
}

} // namespace

std::uint16_t Board::ReadRom(int address) const {
    return chipPresent_ ? chip_.Rom(address) : 0;
}

std::uint8_t Board::ReadEeprom(int address) const {
    return chipPresent_ ? chip_.Eeprom(address) : 0;
}

void Board::WriteRomWord(int address, std::uint16_t value) {
    if (chipPresent_) {
        chip_.WriteRom(address, faults_.stuckRom.Apply(address, value));
    }
}

void Board::LogData(const char* what, int index) const {
    if (log_) {
        char line[64];
        std::snprintf(line, sizeof line, "host: %s %04X: %02X %02X", what, index, args_[0],
                      args_[1]);
        Log(line);
    }
}

std::int64_t Board::WriteTime(int count) const {
    return static_cast<std::int64_t>(pacing_.wordWriteUs) * count;
}

std::int64_t Board::PageTime(int count) const {
    return static_cast<std::int64_t>(pacing_.pageUs) * count;
}

void Board::DoInitVariables() {
    const auto& a = args_;
    params_.romSize = Word(a[0], a[1]);
    params_.eepromSize = Word(a[2], a[3]);
    if (params_.eepromSize == 0 && params_.romSize == 0) {
        // 64 Kbytes do not fit the 16-bit size: a serial EEPROM, which always
        // has data memory, sends 0 for them.
        params_.eepromSize = kLargestSerialEeprom;
    }
    params_.coreType = a[4];
    params_.calFlags = a[5];
    params_.programDelay = a[6];
    params_.powerSequence = a[7];
    params_.eraseMode = a[8];
    params_.programTries = a[9];
    params_.overProgram = a[10];
    Emit(std::string(1, answer::Init));
}

void Board::DoProgramROM() {
    transferTotal_ = Word(args_[0], args_[1]);
    transferIndex_ = 0;
    phase_ = Phase::RomWord;
    argsNeeded_ = 2;
    args_.clear();
    Emit(std::string(1, answer::Yes));
}

void Board::OnRomWord() {
    const std::uint16_t word = Word(args_[0], args_[1]);
    LogData("word", transferIndex_);
    args_.clear();
    const int received = transferIndex_++;
    if (received >= transferTotal_ && word != 0) {
        ++hostErrors_;
        Log("board: host sent a non-zero word past the count");
    }
    // The word received before this one is written now.
    const int writing = received - kWriteLookahead;
    if (writing >= 0 && writing < transferTotal_) {
        if (faults_.romFailAtWord == writing) {
            faults_.romFailAtWord = -1;
            phase_ = Phase::Command;
            return Emit(std::string(1, answer::No), WriteTime(1));
        }
        WriteRomWord(writing, latchedWord_);
    }
    latchedWord_ = word;
    const bool written = writing >= 0 && writing < transferTotal_;
    if (transferIndex_ < transferTotal_ + kWriteLookahead) {
        return Emit(std::string(1, answer::Yes), WriteTime(written ? 1 : 0));
    }
    phase_ = Phase::Command;
    Emit(std::string(1, answer::Done), WriteTime(written ? 1 : 0));
}

void Board::DoProgramEEPROM() {
    transferTotal_ = Word(args_[0], args_[1]);
    transferIndex_ = 0;
    args_.clear();
    if (transferTotal_ == 0) {
        return Emit(std::string(1, answer::Done));
    }
    phase_ = Phase::EepromPair;
    argsNeeded_ = 2;
    Emit(std::string(1, answer::Yes));
}

void Board::OnEepromPair() {
    LogData("EEPROM pair", transferIndex_);
    for (int i = 0; i < 2; ++i) {
        const int address = transferIndex_ + i;
        if (address < transferTotal_ && chipPresent_) {
            const std::uint16_t value =
                faults_.stuckEeprom.Apply(address, args_[static_cast<std::size_t>(i)]);
            chip_.WriteEeprom(address, static_cast<std::uint8_t>(value));
        }
    }
    args_.clear();
    transferIndex_ += 2;
    if (transferIndex_ < transferTotal_) {
        return Emit(std::string(1, answer::Yes), WriteTime(1));
    }
    phase_ = Phase::Command;
    Emit(std::string(1, answer::Done), WriteTime(1));
}

void Board::DoProgramIDFuses() {
    // args: "00", 8 ID digits, 7 configuration words low byte first.
    constexpr std::size_t kIdAt = 2;
    constexpr std::size_t kFusesAt = kIdAt + kIdBytes;
    std::array<std::uint16_t, kConfigWords> fuses{};
    for (std::size_t k = 0; k < fuses.size(); ++k) {
        fuses[k] = Word(args_[kFusesAt + 2 * k + 1], args_[kFusesAt + 2 * k]);
    }
    bool ok = chipPresent_;
    for (int i = 0; i < kIdBytes && chipPresent_; ++i) {
        chip_.WriteId(i, args_[kIdAt + static_cast<std::size_t>(i)]);
        ok = ok && chip_.Id(i) == args_[kIdAt + static_cast<std::size_t>(i)];
    }
    if (Wide()) {
        // 16-bit cores get their configuration words from ProgramFuses later.
        pendingFuses_ = fuses;
        wideFusesPending_ = true;
    } else if (chipPresent_ && chip_.WordMask() != 0xFF) {
        chip_.WriteConfig(0, fuses[0]);
        ok = ok && chip_.Config(0) == (fuses[0] & chip_.WordMask());
    }
    for (int i = 0; i < faults_.idFusesBusy; ++i) {
        Emit(std::string(1, answer::Busy), PageTime(i));
    }
    if (faults_.idFusesFail) {
        faults_.idFusesFail = false;
        ok = false;
    }
    const std::uint8_t status = ok ? answer::StatusOk : answer::StatusFailed;
    Emit(std::string(1, static_cast<char>(status)),
         WriteTime(kIdBytes + 1) + PageTime(faults_.idFusesBusy));
}

void Board::DoProgramFuses() {
    if (wideFusesPending_ && chipPresent_) {
        for (int k = 0; k < kConfigWords; ++k) {
            chip_.WriteConfig(k, pendingFuses_[static_cast<std::size_t>(k)]);
        }
    }
    wideFusesPending_ = false;
    Emit(std::string(1, answer::Yes), WriteTime(kConfigWords));
}

void Board::DoWriteCalibration() {
    const std::uint16_t calibration = Word(args_[0], args_[1]);
    const std::uint16_t word1 = Word(args_[2], args_[3]);
    const bool bandGap = (params_.calFlags & 2) != 0;
    char result = answer::Yes;
    if (faults_.calibrationAnswer != 0) {
        result = faults_.calibrationAnswer;
        faults_.calibrationAnswer = 0;
    } else if (chipPresent_) {
        chip_.WriteCalibrationWord(calibration);
        if (chip_.config().hasCalWord && chip_.CalibrationWord() != calibration) {
            result = answer::Calibration;
        } else if (bandGap) {
            chip_.WriteConfig(0, word1);
            if (chip_.Config(0) != (word1 & chip_.WordMask())) {
                result = answer::BandGap;
            }
        }
    }
    Emit(std::string(1, result), WriteTime(2));
}

void Board::DoReadROM() {
    constexpr int kWordsPerBlock = kBlockSize / 2;
    const int blocks = (params_.romSize + kWordsPerBlock - 1) / kWordsPerBlock;
    std::string block;
    for (int a = 0; a < blocks * kWordsPerBlock; ++a) {
        const std::uint16_t word = ReadRom(a);
        block += static_cast<char>(word >> 8);
        block += static_cast<char>(word & 0xFF);
        if (block.size() == kBlockSize) {
            Emit(block);
            block.clear();
        }
    }
}

void Board::DoReadEEPROM() {
    std::string block;
    const int blocks = (params_.eepromSize + kBlockSize - 1) / kBlockSize;
    for (int a = 0; a < blocks * kBlockSize; ++a) {
        block += static_cast<char>(ReadEeprom(a));
        if (block.size() == kBlockSize) {
            Emit(block);
            block.clear();
        }
    }
}

void Board::DoReadConfig() {
    std::string out(1, answer::Config);
    AppendLowHigh(out, chipPresent_ ? chip_.config().idWord : 0);
    for (int i = 0; i < kIdBytes; ++i) {
        out += static_cast<char>(chipPresent_ ? chip_.Id(i) : 0);
    }
    for (int k = 0; k < kConfigWords; ++k) {
        AppendLowHigh(out, chipPresent_ ? chip_.Config(k) : 0);
    }
    AppendLowHigh(out, chipPresent_ ? chip_.CalibrationWord() : 0);
    Emit(out);
}

void Board::DoEraseChip() {
    if (chipPresent_) {
        chip_.Erase();
    }
    if (params_.romSize == 0) {
        // A serial EEPROM is cleared page by page.
        const int pages = (params_.eepromSize + kErasePageBytes - 1) / kErasePageBytes;
        for (int p = 0; p < pages; ++p) {
            Emit(std::string(1, answer::Calibration), PageTime(p + 1));
        }
        return Emit(std::string(1, answer::Yes), PageTime(pages + 1));
    }
    Emit(std::string(1, answer::Yes), WriteTime(1));
}

void Board::DoBlankCheckROM() {
    const std::uint16_t blank = static_cast<std::uint16_t>(args_[0] << 8 | 0xFF);
    const int words = params_.romSize;
    // The calibration word at the top is the chip's own, not a programmed word.
    const int checked = (params_.calFlags & 1) != 0 && words > 0 ? words - 1 : words;
    const int pages = (words + kCheckPageWords - 1) / kCheckPageWords;
    for (int p = 0; p < pages; ++p) {
        const int end = std::min(checked, (p + 1) * kCheckPageWords);
        for (int a = p * kCheckPageWords; a < end; ++a) {
            if (ReadRom(a) != blank) {
                return Emit(std::string(1, answer::No), PageTime(p + 1));
            }
        }
        if (p + 1 < pages) {
            Emit(std::string(1, answer::Page), PageTime(p + 1));
        }
    }
    Emit(std::string(1, answer::Yes), PageTime(pages));
}

void Board::DoBlankCheckEEPROM() {
    for (int a = 0; a < params_.eepromSize; ++a) {
        if (ReadEeprom(a) != 0xFF) {
            return Emit(std::string(1, answer::No));
        }
    }
    Emit(std::string(1, answer::Yes));
}

void Board::DoWaitChip(bool insertion) {
    Emit(std::string(1, answer::Armed));
    if (chipPresent_ == insertion) {
        return Emit(std::string(1, answer::Yes), kSocketSettleUs);
    }
    waitForInsertion_ = insertion;
    phase_ = Phase::Waiting;
}

} // namespace boardsim
