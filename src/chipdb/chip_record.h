#pragma once

#include <array>
#include <string>

// The parameters of the selected chip type. Rewritten at every chip selection
// and read by every other subsystem.
struct ChipRecord {
    std::string ChipName;
    int SocketLayout = 0;
    int EraseMode = 0;
    bool FlashChip = false;
    int PowerSequence = 0;
    int ProgramDelay = 0;
    int ProgramTries = 0;
    int OverProgram = 0;
    int CoreType = 0;
    int ROMSize = 0;
    int EEPROMSize = 0;
    std::array<int, 8> FuseBlank{}; // [1..7] used, [0] unused
    bool CPWarn = false;
    bool CalWord = false;
    bool BandGap = false;
    int ChipID = 0xFFFF;
    // Derived by the selection.
    int CalFlags = 0;
    int WordMask = 0;
    // For fuse list n (1..30) the configuration word (1..7) it acts on, -1 when unused.
    std::array<int, 32> FuseListWord = [] {
        std::array<int, 32> a{};
        a.fill(-1);
        return a;
    }();
};
