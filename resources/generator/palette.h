#pragma once

#include <array>
#include <cstdint>

// The sixteen colours every socket picture is drawn in (the index is the colour number).
enum Colour : int {
    Black,
    Board,
    BoardTrace,
    SocketBody,
    SocketLight,
    SocketDark,
    SlotMetal,
    Silver,
    Grey,
    ChipBody,
    ChipEdge,
    White,
    Yellow,
    Red,
    Orange,
    Cyan,
};

inline constexpr std::array<uint32_t, 16> kPalette = {
    0xFF000000, // Black
    0xFF005028, // Board
    0xFF00783C, // BoardTrace
    0xFF1E46A0, // SocketBody
    0xFF5078C8, // SocketLight
    0xFF0F235A, // SocketDark
    0xFF3C3C3C, // SlotMetal
    0xFFBEBEBE, // Silver
    0xFF787878, // Grey
    0xFF232323, // ChipBody
    0xFF505050, // ChipEdge
    0xFFFFFFFF, // White
    0xFFFFD200, // Yellow
    0xFFD21E1E, // Red
    0xFFF08C00, // Orange
    0xFF00C8DC, // Cyan
};
