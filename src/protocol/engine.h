#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "protocol/operation.h"
#include "protocol/programmer_host.h"
#include "protocol/protocol_state.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The programmer: the board connection and every chip operation, as one state
// machine on the state number. It is advanced by two calls, OnBytes (what the
// board sent) and OnTick (one 100 ms tick of the watchdog), and by the commands
// that start work; it reaches the rest of the program only through its hosts.
class ProgrammerEngine {
public:
    ProgrammerEngine(EngineHosts hosts, const ChipRecord& chip, MemoryImage& image);
    ProgrammerEngine(const ProgrammerEngine&) = delete;
    ProgrammerEngine& operator=(const ProgrammerEngine&) = delete;

    // ---- Inputs ----
    // Bytes the board sent, in one receive event (may be empty).
    void OnBytes(std::string_view bytes);
    // One tick of the 100 ms timer: the reply watchdog.
    void OnTick();

    // ---- Operations: each checks its preconditions (telling the user why it
    // refuses), then starts; its end reaches the host as OperationEnded ----
    StartResult Program(const OperationOptions& options = {});
    StartResult Verify(const OperationOptions& options = {});
    StartResult Read(const OperationOptions& options = {});
    // The blank check; on a flash chip the erase dialog's choice decides
    // between checking and erasing.
    StartResult BlankCheck(EraseChoice choice, const OperationOptions& options = {});
    // The erase of a flash chip, after the user's confirmation.
    StartResult Erase(const OperationOptions& options = {});
    // The chip's ID and revision, or its calibration word alone.
    StartResult ReadChipInfo(const OperationOptions& options = {});
    StartResult ReadCalibration(const OperationOptions& options = {});
    // Programs every chip put in the socket until cancelled, or `chips` of them
    // (0: no limit; the last then ends as a single Program does).
    StartResult StartAutoProgram(const OperationOptions& options, int chips = 0);
    // Ends the automatic loop and returns to idle.
    void EndAutoProgram();
    // Stops the operation at its next step; stops the automatic loop with a reset.
    void Cancel();
    // The image in memory is the board's own firmware: the next Program writes
    // it without the chip's listing and checks; any end of an operation forgets it.
    void Upgrade();
    // Sizes of program memory and EEPROM to write: the image without its blank tail.
    void SetProgrammingDataSize();

    // ---- Board connection ----
    // The style number and its reset polarity.
    void SetStyle(int style);
    // Ends whatever was under way and returns to idle.
    void ResetSerial(bool sayReady);
    // Pulses the board's reset line and waits for its greeting.
    void ResetProgrammer(bool pending);
    // The port has just been opened: after `settleMs` the board is reset by a
    // pulse of `pulseMs` (none when 0: the line is only set to let it run), and
    // its greeting is awaited, without the reset failure's box.
    void LineOpened(int settleMs, int pulseMs);

    // ---- What the hosts ask ----
    bool Idle() const { return Protocol.ProtocolState == EngineState::Idle; }
    // An operation is under way (the automatic loop waiting for a chip is not one).
    bool Busy() const { return run_.operation != Operation::None; }
    bool AutoProgramOn() const { return loop_.on; }
    // How the last operation ended, as the host was told of it.
    ::Outcome Outcome() const { return lastReport_.outcome; }
    const ResultDetails& Details() const { return lastReport_.details; }
    int Style() const { return programmerStyle_; }
    int ResetIdleLevel() const { return resetIdleLevel_; } // DTR level while the board runs
    bool ResetPending() const { return resetPending_; }    // a reset waits for its greeting
    bool UpgradeLoaded() const { return upgradeLoaded_; }
    // The style the board's last greeting named, -1 when none came since forgotten.
    int LastGreeting() const { return lastGreeting_; }
    void ForgetGreeting() { lastGreeting_ = -1; }

    // ---- The states ----
    // Every state that takes an answer, in the order of their numbers.
    static const std::vector<EngineState>& AllStates();
    static const char* StateName(EngineState state);
    // Told of every change of state (from, to): tracing a board's fault.
    // Changes are also written to the debug log when TESSARO_DEBUG names "engine".
    void SetTrace(std::function<void(EngineState, EngineState)> trace) {
        trace_ = std::move(trace);
    }

private:
    using Handler = void (ProgrammerEngine::*)();
    // Binary states take data or status bytes; the others take characters,
    // among which the board's error strings are no answers.
    enum class Answers { Text, Binary };
    struct StateEntry {
        EngineState state;
        const char* name;
        Handler handler;
        Answers answers = Answers::Text;
    };
    static const StateEntry kStates[];
    static const StateEntry* FindState(EngineState state);

    // One operation from its start to its end; made fresh at every start.
    struct Run {
        Operation operation = Operation::None;
        OperationOptions options;
        ::Outcome outcome = Outcome::None;
        ResultDetails details;
        bool readUnderway = false; // a Read has emptied the image and the board not yet closed it
        // A block stream runs to its end once started: its length, and the bytes
        // to drop because a difference ended the comparison early.
        int streamTotal = 0;
        int streamSkip = 0;
    };
    // The automatic loop, from its start until a reset or Cancel ends it.
    struct Loop {
        bool on = false;
        OperationOptions options;
        int chipsLeft = 0;     // chips still to start in a counted run; 0: no count
        bool lastChip = false; // the chip under way ends the run as a single Program
        // How the loop ended: Cancelled by the user, Declined with the reason
        // its Program for the next chip did not start, or as its last chip did.
        bool cancelled = false;
        StartResult refused = StartResult::Started;
        ::Outcome outcome = Outcome::None;
        ResultDetails details;
    };
    // Every entry from the host: the reports of operations that ended go out
    // when the outermost call returns, after every box they showed.
    class Entry {
    public:
        explicit Entry(ProgrammerEngine& e) : e_(e) { ++e_.entries_; }
        ~Entry();
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

    private:
        ProgrammerEngine& e_;
    };

    // ---- Opening and ending (engine.cpp) ----
    // Refuses a start while another operation runs, or with no chip selected.
    StartResult CanStart();
    // A fresh record for a new operation; the line's received text stays.
    void Begin(Operation operation, const OperationOptions& options);
    // Sends the chip's parameters and starts the hand-shake; `startState`
    // follows it (NoState: the hand-shake's chip information is all that is wanted).
    void InitialiseProgrammerVariables(EngineState startState);
    // The one way the state changes.
    void Enter(EngineState state);
    // The operation under way is over (and the loop, when `loopToo`).
    void EndRun(bool loopToo);
    void DeliverReports();
    // Whether the loop goes on to the next chip after this one.
    bool LoopContinues() const { return loop_.on && !loop_.lastChip; }

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
    // CommandEnd, and the state that waits for the board's 'Q'.
    void EndCommand(EngineState state = EngineState::CommandEnded);
    void Progress(int value);
    void ProgressMax(int maximum);
    void Timer(bool on);
    void Status(StatusWord word) { panel_.StatusReported({word, {}}); }
    void Fail() { Protocol.ReceiveError = true; }
    void Finish(::Outcome outcome) { run_.outcome = outcome; }
    // A difference: the outcome and what differs where, told to the user.
    void FinishDifference(MemoryRegion region, int address, int good, int bad);
    bool Wide() const;
    bool ImageIncomplete() const;
    bool ImageEmpty() const;
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
        Enter(next);
    }

    // Block streams (blocks.cpp).
    // Goes to `next` (showing `status` unless null) and asks for a stream of
    // `bytes` (ReadROM or ReadEEPROM).
    void OpenStream(EngineState next, std::optional<StatusWord> status, char command, int bytes);
    // Whole blocks are waiting and the user has not cancelled.
    bool BlocksArrived();
    // Appends the whole blocks to the program memory or EEPROM list.
    void ReadBlocks(bool words);
    // Reads the blocks that arrived; true once the whole stream is in.
    bool StreamRead(bool words);
    // Compares the whole blocks with the image; at a difference the board is
    // sent `stop`, the engine goes to `after`, the difference is shown: false.
    bool CompareBlocks(bool words, const std::string& stop, EngineState after);
    void ReportDifference(bool words, int good, int bad, const std::string& stop,
                          EngineState after);

    // Board connection (board_link.cpp).
    void OnIdle();
    void BoardSilent();
    void OnClosing();
    void OnCommandEnded();
    void OnAskedForRemoval();
    void OnWaitingForRemoval();
    void OnAskedForInsertion();
    void OnWaitingForInsertion();
    // The board took a wait for the socket ("PA"): `waiting`, without the watchdog.
    void AwaitSocket(EngineState waiting, StatusWord status);
    // The socket changed ("Y"), and has settled.
    bool SocketChanged();

    // Hand-shake (handshake.cpp).
    void OnAwaitStart();
    void OnAwaitModel();
    void ModelMismatch(int model);
    void OnAwaitProgramMode();
    void OnAwaitConfigVoltages();
    void OnAwaitConfig();
    void OnAwaitConfigVoltagesOff();
    // A whole configuration answer ('C' and 26 bytes): its bytes; none while
    // it is still coming or when it is no configuration answer (a fault).
    std::optional<std::string> ConfigAnswer();
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
    // "V": the supply is on, the erase is sent.
    bool EraseStarted();
    BlankFindings BlankReport() const;
    void BlankInsideProgram(const BlankFindings& findings);
    bool CalibrationAccepted();
    // The confirmed erase of a flash chip (Erase, and the blank check's choice).
    StartResult ConfirmErase(const OperationOptions& options);

    // Program (program.cpp).
    // An answer of a paced write: 'Y' asks for the next piece, 'P' ends the
    // stream (its 'Y' and 'P' taken); on program memory 'N' is a failed word.
    enum class Paced { Wait, Next, End };
    Paced PacedAnswer(bool wordFailures);
    void OnProgramRomVoltages();
    void OnProgramRomWords();
    void OnProgramEepromVoltages();
    void OnProgramEepromBytes();
    void OnProgramEepromVerifyVoltages();
    void OnProgramEepromVerifyBlocks();
    void OnProgramIdFusesVoltages();
    void OnProgramIdFusesStatus();
    void OnProgramIdWritten();
    // A 16-bit core's verify pass is over: its configuration words go next.
    void ProgramFusesAfterVerify();
    void OnProgramFusesDone();
    void OnReadBackVoltagesOff();
    void OnReadBackVoltagesOn();
    void OnReadBackConfig();
    void WriteFailure();
    // The Program the automatic loop presses for the chip just put in.
    void ProgramNextChip();

    // Tests and benchmarks look inside.
    friend struct EngineProbe;

    ProtocolStateRecord Protocol;
    Run run_;
    Loop loop_;
    OperationReport lastReport_;
    std::vector<OperationReport> reports_; // ended, not yet told
    int programmerStyle_ = 1;
    int resetIdleLevel_ = 1; // DTR level while the board runs; the reset level is its opposite
    bool resetPending_ = false;
    bool upgradeLoaded_ = false;
    int lastGreeting_ = -1; // the style the board's last greeting named

    BoardLine& line_;
    EngineClock& clock_;
    OperatorPanel& panel_;
    ImageKeeper& keeper_;
    const ChipRecord& chip_;
    MemoryImage& image_;
    std::function<void(EngineState, EngineState)> trace_;
    int progressMax_ = 100;
    int depth_ = 0;          // handlers of ours under way (a message box may be open)
    int entries_ = 0;        // calls from the host under way
    bool heldBytes_ = false; // bytes wait for the state after this one (arrived meanwhile, or
                             // the next answer came along with this one)
    bool timerOn_ = false;   // the watchdog runs
};
