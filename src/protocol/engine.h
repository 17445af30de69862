#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "protocol/programmer_host.h"
#include "protocol/protocol_state.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// How the last operation ended, for front ends that report it other than in
// message boxes (exit codes, logs).
enum class Outcome {
    None,       // nothing finished yet
    Done,       // completed as asked
    Difference, // verify found a difference, or the chip is not blank
    Failed,     // the board reported a failure (write, ID/fuses, calibration)
    Declined,   // a question was answered No, or Ignore Blank Check stopped it
    Cancelled,  // the user cancelled
    NoAnswer,   // the board fell silent
    BadAnswer,  // an answer did not fit
    WrongBoard, // the board answered ReadModel with another model than the style's
};

// What the last operation found beyond its outcome, for front ends that report
// more than a message box (the command-line program's results and log).
// ResultDetails' region of a configuration word that differs.
inline constexpr const char* kFuseRegion = "FUSE";

struct ResultDetails {
    // The first difference a verify or read-back found: "ROM", "EEPROM", "ID"
    // or "FUSE", the address its message names, the image's and the chip's value.
    std::string region;
    int address = -1;
    int good = -1;
    int bad = -1;
    int blankFlags = 0;   // what the blank check found not erased (BlankFlags bits)
    int modelAnswer = -1; // the board's answer to ReadModel: its model code, or 'X'
    // A Program of a chip with a calibration word: the word the chip held, and
    // the word written in its place (-1 while none was written).
    int calibrationRead = -1;
    int calibrationWritten = -1;
    // Its bandgap bits (bits 13 and 12 of configuration word 1), likewise.
    int bandGapRead = -1;
    int bandGapWritten = -1;
};

// The programmer: the board connection and every chip operation, as one state
// machine on the state number. It is advanced by two calls, OnBytes (what the
// board sent) and OnTick (one 100 ms tick of the watchdog), and by the commands
// that start work; it reaches the rest of the program only through its host.
class ProgrammerEngine {
public:
    ProgrammerEngine(ProgrammerHost& host, const ChipRecord& chip, MemoryImage& image);
    ProgrammerEngine(const ProgrammerEngine&) = delete;
    ProgrammerEngine& operator=(const ProgrammerEngine&) = delete;

    // ---- Inputs ----
    // Bytes the board sent, in one receive event (may be empty).
    void OnBytes(std::string_view bytes);
    // One tick of the 100 ms timer: the reply watchdog.
    void OnTick();

    // ---- Operations: each checks its preconditions, then starts ----
    void Program();
    void Verify();
    void Read();
    // The blank check; on a flash chip the host chooses between check and erase.
    void BlankCheck();
    // The erase of a flash chip, after the user's confirmation.
    void Erase();
    // The chip's ID and revision (ReadChipInfo) or its calibration word alone.
    void ReadChipInfo();
    void ReadCalibration();
    // Stops the operation at its next step; stops the automatic loop with a reset.
    void Cancel();
    // Programs every chip put in the socket until cancelled (or counted out).
    void StartAutoProgram();
    // The image in memory is the board's own firmware: the next Program writes
    // it without the chip's listing and checks; any end of an operation forgets it.
    void Upgrade();
    // Starts the hand-shake that opens every operation; `startState` follows it
    // (NoState: the hand-shake's chip information is all that is wanted).
    void InitialiseProgrammerVariables(EngineState startState);
    // Sizes of program memory and EEPROM to write: the image without its blank tail.
    void SetProgrammingDataSize();

    // ---- Board connection ----
    // The style number and its reset polarity.
    void SetStyle(int style);
    // Ends whatever was under way and returns to idle.
    void ResetSerial(bool showReady);
    // Pulses the board's reset line and waits for its greeting.
    void ResetProgrammer(bool pending);
    // The host pulsed the reset line itself: only the board's greeting is expected.
    void WaitForGreeting() { Protocol.ProtocolState = EngineState::Idle; }

    // ---- What the hosts ask ----
    bool Idle() const { return Protocol.ProtocolState == EngineState::Idle; }
    // The automatic loop has finished a chip and waits for it to be taken out.
    bool WaitingForChipRemoval() const {
        return Protocol.ProtocolState == EngineState::AskedForRemoval ||
               Protocol.ProtocolState == EngineState::WaitingForRemoval;
    }
    // The automatic loop waits for the next chip in the socket.
    bool WaitingForChip() const {
        return Protocol.ProtocolState == EngineState::AskedForInsertion ||
               Protocol.ProtocolState == EngineState::WaitingForInsertion;
    }
    ::Outcome Outcome() const { return lastOutcome_; }
    const ResultDetails& Details() const { return lastDetails_; }
    // Forgets the last operation's outcome, for a host that starts another.
    void ForgetOutcome() { lastOutcome_ = Outcome::None; }
    // The configuration bytes the last hand-shake read; a host clears them
    // when a new operation starts, so that none are reported for a chip that
    // did not answer.
    const std::string& ConfigBytes() const { return Protocol.ConfigBytes; }
    void ForgetConfigBytes() { Protocol.ConfigBytes.clear(); }
    int Style() const { return programmerStyle_; }
    int ResetIdleLevel() const { return resetIdleLevel_; } // DTR level while the board runs
    bool ResetPending() const { return resetPending_; }    // a reset waits for its greeting
    bool UpgradeLoaded() const { return upgradeLoaded_; }
    // The style the board's last greeting named, -1 when none came since forgotten.
    int LastGreeting() const { return lastGreeting_; }
    void ForgetGreeting() { lastGreeting_ = -1; }

private:
    using Handler = void (ProgrammerEngine::*)();
    // Binary states take data or status bytes; the others take characters,
    // among which the board's error strings are no answers.
    enum class Answers { Text, Binary };
    struct StateEntry {
        EngineState state;
        Handler handler;
        Answers answers = Answers::Text;
    };
    static const StateEntry kStates[];
    static const StateEntry* FindState(EngineState state);

    void Dispatch();
    // Exact text: true when the received text is `text`. Otherwise the state
    // waits (the rest of the answer, or an error string, is on its way) or the
    // answer is wrong.
    bool Answered(std::string_view text);
    void ReceivedDataError();
    bool CancelHere();
    // Sending, with the 16-bit substitutions.
    void Send(const std::string& bytes);
    void SendOn();    // VoltagesOn, or Echo 'V' on 16-bit cores
    void SendCycle(); // CycleVoltages, or Echo 'V'
    void SendOff();   // VoltagesOff, or Echo 'v'
    void EndCommand(EngineState state =
                        EngineState::CommandEnded); // CommandEnd and the state that waits for 'Q'
    void Progress(int value);
    void ProgressMax(int maximum);
    void Timer(bool on);
    void Fail() { Protocol.ReceiveError = true; }
    void Finish(::Outcome outcome) { lastOutcome_ = outcome; }
    // A difference: the outcome and what differs where.
    void FinishDifference(const char* region, int address, int good, int bad);
    bool Wide() const;
    bool ImageIncomplete() const;
    // An entry, or the blank word past the list; the calibration word is the
    // chip's own while the image's is blank.
    int RomWord(int index) const;
    int EepromByte(int index) const; // an entry, or 255 past the list
    // A blank calibration word or blank bandgap bits in the image stand for the
    // chip's own (read at the start of the operation): a file made without
    // them never overwrites the factory values.
    bool ChipCalibrationRead() const;
    int ChipCalibrationWord() const;
    bool KeepsChipCalibration() const;
    bool KeepsChipBandGap() const;
    // The configuration words as they go to the chip and are compared with it.
    std::array<int, 8> FuseWords() const;
    void Accept() { Protocol.RxText.clear(); }
    // Exact text, accepted: the received text is cleared for the next answer.
    bool Step(std::string_view answer) {
        if (!Answered(answer))
            return false;
        Accept();
        return true;
    }
    // An answer the board may follow at once with the next ("PA", then "Y"
    // when the socket already is as asked): what follows waits for the next state.
    bool StepFirst(std::string_view answer) {
        std::string& rx = Protocol.RxText;
        if (rx.size() <= answer.size() || rx.compare(0, answer.size(), answer) != 0)
            return Step(answer);
        rx.erase(0, answer.size());
        heldBytes_ = true;
        return true;
    }
    // The common state: on `answer`, send `command` and wait in `next`.
    void Reply(std::string_view answer, const std::string& command, EngineState next) {
        if (!Step(answer))
            return;
        Send(command);
        Protocol.ProtocolState = next;
    }

    // Block streams (blocks.cpp).
    // Goes to `next` (showing `status` unless null) and asks for a stream of
    // `bytes` (ReadROM or ReadEEPROM).
    void OpenStream(EngineState next, const char* status, char command, int bytes);
    // Whole blocks are waiting and the user has not cancelled.
    bool BlocksArrived();
    // Appends the whole blocks to the program memory or EEPROM list.
    void ReadBlocks(bool words);
    // Compares the whole blocks with the image; at a difference the board is
    // sent `stop`, the engine goes to `after`, the difference is shown: false.
    bool CompareBlocks(bool words, const std::string& stop, EngineState after);
    void ReportDifference(bool words, int good, int bad, const std::string& stop,
                          EngineState after);

    // Board connection (board_link.cpp).
    void Greeting();
    void BoardSilent();
    void OnClosing();
    void OnCommandEnded();
    void OnAskedForRemoval();
    void OnWaitingForRemoval();
    void OnAskedForInsertion();
    void OnWaitingForInsertion();

    // Hand-shake (handshake.cpp).
    void OnAwaitStart();
    void OnAwaitModel();
    void ModelMismatch(int model);
    void OnAwaitProgramMode();
    void OnAwaitConfigVoltages();
    void OnAwaitConfig();
    void OnAwaitConfigVoltagesOff();
    void ChipCheck();
    void ReportChipInfo();

    // Read and verify (read_verify.cpp).
    void OnReadRomVoltages();
    void OnReadRomBlocks();
    void OnReadEepromVoltages();
    void OnReadEepromBlocks();
    void OnReadDone();
    void OnVerifyRomVoltages();
    void OnVerifyRomBlocks();
    void OnVerifyEepromVoltages();
    void OnVerifyEepromBlocks();
    void OnVerifyVoltagesOff();
    bool IdMatches();
    bool ConfigMatches(const std::string& config);

    // Blank check and erase (blank_erase.cpp).
    void OnBlankRomVoltages();
    void OnBlankRomAnswers();
    void OnBlankEepromVoltages();
    void OnBlankEepromAnswer();
    void OnBlankVoltagesOff();
    void OnEraseFirstVoltages();
    void OnEraseFirstDone();
    void OnEraseVoltages();
    void OnEraseDone();
    void OnEraseCalibrationVoltages();
    void OnEraseCalibrationWritten();
    void OnEraseEepromPages();
    std::string BlankReport();
    void BlankInsideProgram(const std::string& report);
    bool CalibrationAccepted();

    // Program (program.cpp).
    void OnProgramRomVoltages();
    void OnProgramRomWords();
    void OnProgramEepromVoltages();
    void OnProgramEepromBytes();
    void OnProgramEepromVerifyVoltages();
    void OnProgramEepromVerifyBlocks();
    void OnProgramIdFusesVoltages();
    void OnProgramIdFusesStatus();
    void OnProgramIdWritten();
    void OnProgramFusesDone();
    void OnReadBackVoltagesOff();
    void OnReadBackVoltagesOn();
    void OnReadBackConfig();
    void WriteFailure();

    // The confirmed erase of a flash chip (Erase, and the blank check's choice).
    void ConfirmErase();

    // Tests and benchmarks look inside.
    friend struct EngineProbe;

    ProtocolStateRecord Protocol;
    int programmerStyle_ = 1;
    int resetIdleLevel_ = 1; // DTR level while the board runs; the reset level is its opposite
    bool resetPending_ = false;
    bool upgradeLoaded_ = false;
    ::Outcome lastOutcome_ = Outcome::None;
    ResultDetails lastDetails_;
    int lastGreeting_ = -1; // the style the board's last greeting named

    ProgrammerHost& host_;
    const ChipRecord& chip_;
    MemoryImage& image_;
    int progressMax_ = 100;
    int depth_ = 0;             // handlers of ours under way (a message box may be open)
    bool heldBytes_ = false;    // bytes wait for the state after this one (arrived meanwhile, or
                                // the next answer came along with this one)
    bool readUnderway_ = false; // a Read has emptied the image and the board not yet closed it
    bool timerOn_ = false;      // the watchdog runs
    // A block stream runs to its end once started: its length, and the bytes
    // to drop because a difference ended the comparison early.
    int streamTotal_ = 0;
    int streamSkip_ = 0;
};
