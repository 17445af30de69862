#pragma once

#include <string>

// A program folder for trying the program without a board: a copy of the
// program folder whose COM1 leads to the board simulator and whose pro.dat
// selects the chip and the programmer style, so that the first start greets
// the simulated board at once with the chip chosen and a small program for it
// (demo.hex) loaded, ready to be programmed.
struct DemoRequest {
    std::string programDir; // the program folder to copy
    std::string folder;     // the copy; made here, and must not hold files yet
    std::string chip;       // a chip the selector offers for the style (any case)
    std::string style;      // Alder, Birch_A, Birch_B, Cedar or Elm (any case)
    std::string com1;       // the line for ports/com1, such as rfc2217://127.0.0.1:5000
};

// Empty on success, otherwise what is wrong, as a sentence for the user.
std::string PrepareDemoFolder(const DemoRequest& request);

// The programmer style of a name in messages (any case), or -1.
int DemoStyleNumber(const std::string& name);
