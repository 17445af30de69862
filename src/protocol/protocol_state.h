#pragma once

#include <string>

// The engine's states. The numbers are those of the board's protocol tables:
// tens for the hand-shake, 50s read, 100s verify, 200s blank check and erase,
// 400s program, 500s closing, 600s waiting for a chip. Each handler says what
// it waits for. NoState marks "no state to go to": a start that only reads the
// chip's information, a blank check that is not part of a Program.
enum class EngineState {
    NoState = -1,
    Idle = 0,
    AwaitStart = 10,
    AwaitModel = 11,
    AwaitProgramMode = 12,
    AwaitConfigVoltages = 13,
    AwaitConfig = 14,
    AwaitConfigVoltagesOff = 15,
    ReadRomVoltages = 50,
    ReadRomBlocks = 51,
    ReadEepromVoltages = 52,
    ReadEepromBlocks = 53,
    ReadDone = 60,
    VerifyRomVoltages = 100,
    VerifyRomBlocks = 101,
    VerifyEepromVoltages = 102,
    VerifyEepromBlocks = 103,
    VerifyVoltagesOff = 110,
    BlankRomVoltages = 200,
    BlankRomAnswers = 201,
    BlankEepromVoltages = 202,
    BlankEepromAnswer = 203,
    BlankVoltagesOff = 204,
    EraseFirstVoltages = 205,
    EraseFirstDone = 206,
    EraseVoltages = 250,
    EraseDone = 251,
    EraseCalibrationVoltages = 252,
    EraseCalibrationWritten = 253,
    EraseEepromPages = 255,
    ProgramRomVoltages = 400,
    ProgramRomWords = 401,
    ProgramEepromVoltages = 402,
    ProgramEepromBytes = 403,
    ProgramEepromVerifyVoltages = 404,
    ProgramEepromVerifyBlocks = 405,
    ProgramIdFusesVoltages = 406,
    ProgramIdFusesStatus = 407,
    ProgramIdWritten = 450,
    ProgramFusesDone = 451,
    ReadBackVoltagesOff = 452,
    ReadBackVoltagesOn = 453,
    ReadBackConfig = 454,
    Closing = 500,
    CommandEnded = 501,
    AskedForRemoval = 502,
    WaitingForRemoval = 503,
    AskedForInsertion = 600,
    WaitingForInsertion = 601,
};

// The state of the operation under way with the board. Idle: the board's
// greeting after a reset is the only thing expected then.
struct ProtocolStateRecord {
    EngineState ProtocolState = EngineState::Idle;
    EngineState StartState = EngineState::Idle;
    std::string RxText;
    std::string ConfigBytes;
    int DataIndex = 0;
    int IdleTicks = 0;
    bool CancelRequested = false;
    bool ReceiveError = false;
    bool VerifyInProgram = false;
    bool ChipIDRequest = false;
    int BlankFlags = 0;
    EngineState AfterBlankState = EngineState::Idle;
    int ROMProgLength = 0;
    int EEPROMProgLength = 0;
};
