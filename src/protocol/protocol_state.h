#pragma once

#include <string>

// The state of the operation under way with the board. State 0 is idle: the
// board's greeting after a reset is the only thing expected then.
struct ProtocolStateRecord {
    int ProtocolState = 0;
    int StartState = 0;
    std::string RxText;
    std::string ConfigBytes;
    int DataIndex = 0;
    int IdleTicks = 0;
    bool CancelRequested = false;
    bool ReceiveError = false;
    bool VerifyInProgram = false;
    bool ChipIDRequest = false;
    int BlankFlags = 0;
    int AfterBlankState = 0;
    int ROMProgLength = 0;
    int EEPROMProgLength = 0;
};
