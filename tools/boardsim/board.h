#pragma once

#include "chip.h"
#include "faults.h"
#include "transmitter.h"
#include "wire_board.h"
#include "wire_codes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace boardsim {

// The parameters of the last InitVariables block; before the first one they
// describe the chip in the socket.
struct BoardParameters {
    int romSize = 0;
    int eepromSize = 0;
    int coreType = 0;
    int calFlags = 0;
    int programDelay = 0;
    int powerSequence = 0;
    int eraseMode = 0;
    int programTries = 0;
    int overProgram = 0;
};

// A programmer board with one chip socket. It consumes the bytes the host sends
// and the changes of its DTR line, and queues its answers with the time each is
// ready. It is pure and deterministic: time only moves when SetTime is called.
class Board final : public WireBoard {
public:
    using LogSink = std::function<void(const std::string&)>;

    Board(Model model, Chip chip);

    Model model() const { return model_; }
    Chip& chip() { return chip_; }
    const Chip& chip() const { return chip_; }
    Faults& faults() { return faults_; }
    const BoardParameters& parameters() const { return params_; }
    void SetPacing(const Pacing& pacing);
    const Pacing& pacing() const { return pacing_; }
    // Applies changed split/join faults to the output.
    void ApplyOutputFaults();
    void SetLog(LogSink sink) { log_ = std::move(sink); }

    // The board's clock in microseconds; it never runs backwards.
    void SetTime(std::int64_t us) override;
    std::int64_t Time() const { return now_; }

    // Host side of the line.
    void Receive(std::string_view bytes) override;
    void SetDtr(bool high) override;
    void SetRts(bool high) override { rts_ = high; }
    bool Dtr() const override { return dtr_; }
    bool Rts() const override { return rts_; }
    void SetBaud(int baud) override {
        Pacing pacing = pacing_;
        pacing.baud = baud;
        SetPacing(pacing);
    }
    bool InReset() const { return inReset_; }
    bool Silent() const { return silent_; }

    // Answers, in deliveries ready by the current time.
    std::string TakeDelivery() override { return tx_.TakeDelivery(now_); }
    std::string TakeReady() override { return tx_.TakeReady(now_); }
    std::int64_t NextReadyTime() const override { return tx_.NextReady(); }
    bool HasOutput() const { return !tx_.Empty(); }

    // The socket.
    void InsertChip();
    void RemoveChip();
    bool ChipPresent() const { return chipPresent_; }
    // Bytes on the line right now, as if from a disturbance.
    void InjectNoise(const std::string& bytes);
    // The board hangs at once: what it has not yet delivered is lost, and it
    // hears nothing until its next reset.
    void FallSilent();

    // Words the host sent after a ProgramROM count that were not 0x0000.
    int HostErrors() const { return hostErrors_; }

    // The host's turnaround while it writes program words or EEPROM pairs: the
    // time from a 'Y' having left (`SentDelivery`, told by whoever puts the
    // board's output on a real line) to the next word having arrived (the
    // clock at the Receive that completes it), one sample per word.
    void SentDelivery(std::string_view piece, std::int64_t atUs) override;
    // Takes the samples gathered so far, in microseconds.
    std::vector<std::int64_t> TakeTurnarounds();

private:
    enum class Phase { Command, Args, RomWord, EepromPair, Waiting };

    void ReceiveByte(std::uint8_t byte);
    void StartCommand(std::uint8_t code);
    void Execute();
    bool TakeReplacement(std::uint8_t code);
    void Emit(std::string answer, std::int64_t delayUs = 0);
    void CloseOpenAnswer();
    void Log(const std::string& line) const;
    void LogCommand() const;
    void LogData(const char* what, int index) const;
    int ArgsNeeded(std::uint8_t code) const;
    bool Wide() const { return params_.coreType == 1 || params_.coreType == 2; }

    // Command handlers (board_commands.cpp).
    void DoInitVariables();
    void DoProgramROM();
    void OnRomWord();
    void DoProgramEEPROM();
    void OnEepromPair();
    void DoProgramIDFuses();
    void DoWriteCalibration();
    void DoReadROM();
    void DoReadEEPROM();
    void DoReadConfig();
    void DoEraseChip();
    void DoBlankCheckROM();
    void DoBlankCheckEEPROM();
    void DoProgramFuses();
    void DoWaitChip(bool insertion);
    std::uint16_t ReadRom(int address) const;
    std::uint8_t ReadEeprom(int address) const;
    void WriteRomWord(int address, std::uint16_t value);
    std::int64_t WriteTime(int count) const;
    std::int64_t PageTime(int count) const;

    Model model_;
    Chip chip_;
    Faults faults_;
    Pacing pacing_;
    Transmitter tx_;
    BoardParameters params_;
    LogSink log_;

    std::int64_t now_ = 0;
    std::int64_t rxDone_ = 0;
    std::int64_t rxFraction_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    bool inReset_ = false;
    bool silent_ = false;
    bool chipPresent_ = true;
    bool waitForInsertion_ = false;

    Phase phase_ = Phase::Command;
    std::int64_t askedAt_ = -1; // a 'Y' asking for a word left then; -1: none pending
    std::vector<std::int64_t> turnarounds_;
    std::uint8_t command_ = 0;
    std::vector<std::uint8_t> args_;
    int argsNeeded_ = 0;
    int transferTotal_ = 0;
    int transferIndex_ = 0;
    std::uint16_t latchedWord_ = 0;
    bool doubleNext_ = false;
    bool openNext_ = false;
    bool answerOpen_ = false; // the 'P' of CommandStart waits for the next command's answer
    bool wideFusesPending_ = false;
    std::array<std::uint16_t, kConfigWords> pendingFuses_{};
    int hostErrors_ = 0;
};

} // namespace boardsim
