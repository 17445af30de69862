#pragma once

#include <array>
#include <string>

// Core families, by the chip file's CORETYPE number (0..10).
enum class Core {
    SerialEeprom, // 0: a 24Cxx, bytes only, no fuses or ID
    Wide,         // 1: 16-bit core, seven configuration words, 8 ID digits
    WideByteHex,  // 2: 16-bit core whose HEX file holds the EEPROM a byte per byte at 0xF00000
    Baseline,     // 4: 12-bit core; no ID shown, OSCAL as a MOVLW 0x0C00 + value
    Midrange,     // 5..9: 14-bit cores, OSCAL as a RETLW 0x3400 + value
    Other,        // 3, 10 and anything else: accepted, treated as a 14-bit core
};

inline Core CoreOf(int coreType) {
    switch (coreType) {
    case 0:
        return Core::SerialEeprom;
    case 1:
        return Core::Wide;
    case 2:
        return Core::WideByteHex;
    case 4:
        return Core::Baseline;
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        return Core::Midrange;
    default:
        return Core::Other;
    }
}

// 16-bit cores: seven configuration words, Echo commands for the supply.
inline bool IsWideCore(Core core) {
    return core == Core::Wide || core == Core::WideByteHex;
}

// Width mask and erased value of one program word, by core class.
inline constexpr int kWordMaskSerialEeprom = 0xFF; // no program memory
inline constexpr int kWordMask12 = 0xFFF;
inline constexpr int kWordMask14 = 0x3FFF;
inline constexpr int kWordMask16 = 0xFFFF;

// CHIPID of a chip without a device ID.
inline constexpr int kNoDeviceId = 0xFFFF;

// Bits of CalFlags, the byte the board is given with the chip's parameters.
inline constexpr int kCalFlagCalWord = 1; // the last program word holds the calibration value
inline constexpr int kCalFlagBandGap = 2; // configuration word 1 holds the chip's bandgap bits

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
    int CoreType = 0; // as in the chip file; Family() names it
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

    Core Family() const { return CoreOf(CoreType); }

    // The core class by the width of a program word. The selection derives
    // WordMask from the core type; user mode sets 14-bit words and keeps the
    // last chip's CoreType. So what handles the image's words (loading,
    // saving, reading, verifying) asks these, and what the board is told
    // about the chip asks Family().
    bool HasProgramMemory() const { return WordMask != kWordMaskSerialEeprom; }
    bool IsBaseline() const { return WordMask == kWordMask12; }
    bool IsMidrange() const { return WordMask == kWordMask14; }
    bool IsWide() const { return WordMask == kWordMask16; }
    bool IsErasedWord(int word) const { return word == WordMask; }

    // ID digits the chip holds and a read brings back: 8 on 16-bit cores, 4 on
    // 14-bit cores; 12-bit cores keep theirs in program memory.
    int IdDigits() const { return IsWide() ? 8 : IsMidrange() ? 4 : 0; }
    // Whether a chip reporting `deviceId` is this one: any is, when the chip
    // file gives this chip no device ID.
    bool MatchesDeviceId(int deviceId) const { return ChipID == kNoDeviceId || ChipID == deviceId; }
    // Whether the chip has ID digits the user sets (the fuse editor's ID box):
    // serial EEPROMs have none, 12-bit cores keep theirs in program memory.
    bool HasUserId() const { return Family() != Core::SerialEeprom && Family() != Core::Baseline; }
    // Length of the ID text the image keeps (the ID box's maximum length).
    int IdTextLength() const { return IsWide() ? 8 : 4; }
    // Configuration words a read brings back and a verify compares.
    int ConfigWords() const { return IsWide() ? 7 : (IsBaseline() || IsMidrange()) ? 1 : 0; }

    // High bits of RETLW k, the word of a table of constants in program memory.
    int RetlwOpcode() const { return IsBaseline() ? 0x0800 : 0x3400; }
    // High bits of the calibration word: MOVLW k on 12-bit cores, RETLW k on the others.
    int CalibrationOpcode() const { return IsBaseline() ? 0x0C00 : 0x3400; }

    bool HasBandGapFlag() const { return (CalFlags & kCalFlagBandGap) != 0; }
};
