#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace boardsim {

// Bits of one address that read back wrong after every write.
struct StuckBits {
    int address = -1; // -1: none
    std::uint16_t forceLow = 0;
    std::uint16_t forceHigh = 0;

    std::uint16_t Apply(int at, std::uint16_t value) const {
        if (at != address) {
            return value;
        }
        return static_cast<std::uint16_t>((value & ~forceLow) | forceHigh);
    }
};

// Misbehaviour on request. Faults tied to a command fire once and then clear
// themselves; the others stay until changed.
struct Faults {
    // -- one-shot --
    int silentAfterBytes = -1; // answer bytes still sent before the board falls silent
    int silentAtCommand = -1;  // falls silent when this command code arrives
    // Silence lasts until the next reset pulse.
    int romFailAtWord = -1;     // writing this program word fails: 'N' in place of a request
    bool idFusesFail = false;   // ProgramIDFuses status 0x00
    char calibrationAnswer = 0; // 'C' or 'F' in place of WriteCalibration's 'Y'
    int replaceAtCommand = -1;  // this command is answered by `replacement` and not executed
    std::string replacement;    // "?E?P", "?F?N", "X" ...
    int doubleAtCommand = -1;   // the answer to this command goes out twice in one piece ("VV")
    std::string noise;          // bytes sent just ahead of the next answer

    // -- persistent --
    int idFusesBusy = 0;         // '?' answers before every ProgramIDFuses status
    int modelCode = -1;          // ReadModel answers this byte ('X' included) instead
    int greetingCode = -1;       // second announcement byte instead of the model's
    std::vector<int> splitSizes; // output cut into deliveries of these sizes, cycling
    bool joinAnswers = false;    // everything ready goes out as one delivery
    StuckBits stuckRom;
    StuckBits stuckEeprom;
};

// Wire-speed emulation. Off: every answer is ready at once.
struct Pacing {
    bool enabled = false;
    int baud = 19200;
    int wordWriteUs = 0; // time to write one program word or EEPROM pair, even unpaced
    // Time to check or erase one 256-word page, even unpaced: the 'B' and 'C' progress
    // answers come this far apart, as from a real board, so a host never gets them in one read.
    int pageUs = 2000;
};

} // namespace boardsim
