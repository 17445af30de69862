#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "protocol/programmer_host.h"
#include "protocol/protocol_state.h"

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
struct ResultDetails {
    // The first difference a verify or read-back found: "ROM", "EEPROM", "ID"
    // or "FUSE", the address its message names, the image's and the chip's value.
    std::string region;
    int address = -1;
    int good = -1;
    int bad = -1;
    int blankFlags = 0;   // what the blank check found not erased (BlankFlags bits)
    int modelAnswer = -1; // the board's answer to ReadModel: its model code, or 'X'
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

    ProtocolStateRecord Protocol;
    int ProgrammerStyle = 1;
    int ResetIdleLevel = 1; // DTR level while the board runs; the reset level is its opposite
    bool ResetPending = false;
    bool UpgradeLoaded = false;
    Outcome LastOutcome = Outcome::None;
    ResultDetails LastDetails;
    int LastGreeting = -1; // the style the board's last greeting named

    // ---- Inputs ----
    // Bytes the board sent, in one receive event (may be empty).
    void OnBytes(std::string_view bytes);
    // One tick of the 100 ms timer: the reply watchdog.
    void OnTick();

    // ---- Board connection ----
    // The style number and its reset polarity.
    void SetStyle(int style);
    // Ends whatever was under way and returns to idle.
    void ResetSerial(bool showReady);
    // Pulses the board's reset line and waits for its greeting.
    void ResetProgrammer(bool pending);
    void AutoProgram1Click();
    void CanButtClick();

    // ---- Operations ----
    void InitialiseProgrammerVariables(int startState);
    void ProgButtClick();
    void ReadButtClick();
    void VerfButtClick();
    void BlankButtClick();
    void ReadChipID1Click();
    void ReadCalibrationAndBG();
    void SetProgrammingDataSize();

    // The states that have a handler; bytes received in any other state only
    // accumulate.
    static std::vector<int> HandledStates();

private:
    using Handler = void (ProgrammerEngine::*)();
    // Binary states take data or status bytes; the others take characters,
    // among which the board's error strings are no answers.
    enum class Answers { Text, Binary };
    struct StateEntry {
        int state;
        Handler handler;
        Answers answers = Answers::Text;
    };
    static const StateEntry kStates[];
    static const StateEntry* FindState(int state);

    void Dispatch();
    // Exact text: true when the received text is `text`. Otherwise the state
    // waits (the rest of the answer, or an error string, is on its way) or the
    // answer is wrong.
    bool Answered(std::string_view text);
    void ReceivedDataError();
    bool CancelHere();
    // Sending, with the 16-bit substitutions.
    void Send(const std::string& bytes);
    void SendOn();                    // VoltagesOn, or Echo 'V' on 16-bit cores
    void SendCycle();                 // CycleVoltages, or Echo 'V'
    void SendOff();                   // VoltagesOff, or Echo 'v'
    void EndCommand(int state = 501); // CommandEnd and the state that waits for 'Q'
    void Progress(int value);
    void ProgressMax(int maximum);
    void Timer(bool on);
    void Fail() { Protocol.ReceiveError = true; }
    void Finish(Outcome outcome) { LastOutcome = outcome; }
    // A difference: the outcome and what differs where.
    void FinishDifference(const char* region, int address, int good, int bad);
    bool Wide() const;
    bool ImageIncomplete() const;
    int RomWord(int index) const;    // an entry, or the blank word past the list
    int EepromByte(int index) const; // an entry, or 255 past the list
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
    void Reply(std::string_view answer, const std::string& command, int next) {
        if (!Step(answer))
            return;
        Send(command);
        Protocol.ProtocolState = next;
    }

    // Block streams (blocks.cpp).
    // Goes to `next` (showing `status` unless null) and asks for a stream of
    // `bytes` (ReadROM or ReadEEPROM).
    void OpenStream(int next, const char* status, char command, int bytes);
    // Whole blocks are waiting and the user has not cancelled.
    bool BlocksArrived();
    // Appends the whole blocks to the program memory or EEPROM list.
    void ReadBlocks(bool words);
    // Compares the whole blocks with the image; at a difference the board is
    // sent `stop`, the engine goes to `after`, the difference is shown: false.
    bool CompareBlocks(bool words, const std::string& stop, int after);
    void ReportDifference(bool words, int good, int bad, const std::string& stop, int after);

    // Board connection (board_link.cpp).
    void Greeting();
    void BoardSilent();
    void State500();
    void State501();
    void State502();
    void State503();
    void State600();
    void State601();

    // Hand-shake (handshake.cpp).
    void State10();
    void State11();
    void ModelMismatch(int model);
    void State12();
    void State13();
    void State14();
    void State15();
    void ChipCheck();
    void ReportChipInfo();

    // Read and verify (read_verify.cpp).
    void State50();
    void State51();
    void State52();
    void State53();
    void State60();
    void State100();
    void State101();
    void State102();
    void State103();
    void State110();
    bool IdMatches();
    bool ConfigMatches(const std::string& config);

    // Blank check and erase (blank_erase.cpp).
    void State200();
    void State201();
    void State202();
    void State203();
    void State204();
    void State205();
    void State206();
    void State250();
    void State251();
    void State252();
    void State253();
    void State255();
    std::string BlankReport();
    void BlankInsideProgram(const std::string& report);
    bool CalibrationAccepted();

    // Program (program.cpp).
    void State400();
    void State401();
    void State402();
    void State403();
    void State404();
    void State405();
    void State406();
    void State407();
    void State450();
    void State451();
    void State452();
    void State453();
    void State454();
    void WriteFailure();

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
