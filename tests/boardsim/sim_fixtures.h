#pragma once

#include "board.h"
#include "in_process_link.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace boardsim::test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

inline ChipConfig Pic14() {
    ChipConfig c;
    c.name = "16F84A";
    c.core = CoreClass::Core14;
    c.romWords = 0x400;
    c.eepromBytes = 0x40;
    c.idWord = 0x0562; // device 0x0560, revision 2
    return c;
}

inline ChipConfig Pic14Cal() {
    ChipConfig c = Pic14();
    c.name = "12F675";
    c.eepromBytes = 0x80;
    c.idWord = 0x0FC4;
    c.hasCalWord = true;
    return c;
}

inline ChipConfig Pic16() {
    ChipConfig c;
    c.name = "18F252";
    c.core = CoreClass::Core16;
    c.romWords = 0x4000;
    c.eepromBytes = 0x100;
    c.idWord = 0x0423;
    c.fuseBlank = {0x27FF, 0x0F0F, 0x0100, 0x0085, 0xC00F, 0xE00F, 0x400F};
    return c;
}

inline ChipConfig SerialEeprom() {
    ChipConfig c;
    c.name = "24C16";
    c.core = CoreClass::SerialEeprom;
    c.romWords = 0;
    c.eepromBytes = 0x800;
    c.idWord = 0xFFFF;
    return c;
}

// The InitVariables block of the host: P 0x03 and the 11 parameters.
inline std::string InitBlock(int rom, int eeprom, int core, int calFlags = 0) {
    return Bytes({'P', 0x03, rom >> 8, rom & 0xFF, eeprom >> 8, eeprom & 0xFF, core, calFlags, 50,
                  1, 1, 1, 0});
}

// A board with its host attached in-process, pacing off.
struct Rig {
    explicit Rig(ChipConfig chip, Model model = Model::Birch_A)
        : board(model, Chip(std::move(chip))), link(board) {}

    // Sends bytes and returns everything the board answers, in one string.
    std::string Ask(const std::string& bytes) {
        link.Write(bytes);
        return link.Drain();
    }
    // Sends bytes and returns the deliveries (receive events) one per entry.
    std::vector<std::string> Deliveries(const std::string& bytes) {
        link.Write(bytes);
        std::vector<std::string> out;
        while (board.HasOutput()) {
            link.Advance(board.NextReadyTime() - link.Now());
            out.push_back(link.ReadDelivery());
        }
        return out;
    }

    Board board;
    InProcessLink link;
};

} // namespace boardsim::test
