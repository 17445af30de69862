#pragma once

#include "palette.h"

// The socket pictures, one line each. A chip sits in the 40-pin ZIF socket upright
// (notch toward the lever end); `topRow` is the socket row (1..20, counted from the
// lever end) under the chip's pins 1 and N. Socket pins are numbered like a DIP: 1..20
// down the left column, 21..40 up the right one, so row r holds pins r and 41 - r.
//
// The number in a name is a socket pin the chip's top corner pin sits on: pin 1 when it
// is a left-column number (PIN813: pin 1 on socket pin 13), pin N when it is a
// right-column number (PIN837: pin 8 on socket pin 37).

enum class RowSpacing { Narrow, Wide }; // 0.3" or 0.6" between the chip's pin rows

struct ChipPicture {
    const char* name;
    int pins; // 0: blank socket, no chip
    RowSpacing spacing;
    int topRow;
    const char* caption; // two short lines separated by '\n'
};

inline constexpr ChipPicture kChipPictures[] = {
    {"SOCKETS", 0, RowSpacing::Wide, 1, "40-PIN ZIF\nno chip"},
    {"PIN813", 8, RowSpacing::Narrow, 13, "8 PIN\npin 1 at 13"},
    {"PIN811", 8, RowSpacing::Narrow, 11, "8 PIN\npin 1 at 11"},
    {"PIN18", 18, RowSpacing::Narrow, 1, "18 PIN\n0.3\" wide"},
    {"PIN28N", 28, RowSpacing::Narrow, 1, "28 PIN\n0.3\" narrow"},
    {"PIN28W", 28, RowSpacing::Wide, 1, "28 PIN\n0.6\" wide"},
    {"PIN40", 40, RowSpacing::Wide, 1, "40 PIN\n0.6\" wide"},
    {"PIN1413", 14, RowSpacing::Narrow, 13, "14 PIN\npin 1 at 13"},
    {"PIN1411", 14, RowSpacing::Narrow, 11, "14 PIN\npin 1 at 11"},
    {"PIN837", 8, RowSpacing::Narrow, 4, "8 PIN\npin 8 at 37"},
    {"PIN840", 8, RowSpacing::Narrow, 1, "8 PIN\npin 8 at 40"},
};

// The in-circuit programming header, pin 1 first: signal name and its colour.
struct HeaderSignal {
    const char* name;
    Colour colour;
};

inline constexpr HeaderSignal kICSPHeader[] = {
    {"VPP/MCLR", Red}, {"VDD", Orange}, {"VSS", White}, {"PGD", Cyan}, {"PGC", Yellow},
};
