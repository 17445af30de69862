#pragma once

#include <array>
#include <string>

// The socket picture area: which embedded picture shows where the chip goes, for the
// selected chip's socket number, the programmer style and the ICSP mark.

inline constexpr const char* kBlankSocketPicture = "SOCKETS";
inline constexpr const char* kICSPPicture = "ICSP";

// Every picture the program embeds, blank socket and ICSP header included.
inline constexpr std::array<const char*, 12> kSocketPictureNames = {
    "SOCKETS", "ICSP",  "PIN813",  "PIN811",  "PIN18",  "PIN28N",
    "PIN28W",  "PIN40", "PIN1413", "PIN1411", "PIN837", "PIN840"};

// What the socket picture shows for one state of the program: the chip, user mode, the board.
struct SocketView {
    bool FillBlack = false; // a chip is selected: the area is cleared to black first
    bool PlayClick = false; // a chip is selected: the click sounds when a device exists
    std::string Picture;    // picture to paste at (0, 0); empty pastes nothing
    bool PCBlabelVisible = false;
    std::string PCBlabelText; // "A" or "B" when visible
};

// The picture for a socket number (1..9) and programmer style; empty when the socket
// number has no picture (6, 7 or out of range), so only the black background shows.
std::string SocketPictureName(int socketLayout, int programmerStyle);

// The board variant letter shown over the picture: "A" for Birch_A, "B" for Birch_B,
// empty (label hidden) for every other style.
std::string PCBlabelText(int programmerStyle);

SocketView ChooseSocketView(bool chipSelected, int socketLayout, int programmerStyle,
                            bool icspMode);
