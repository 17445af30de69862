#pragma once

#include "image/memory_image.h"
#include "platform/translate.h"

#include <array>
#include <string>
#include <vector>

// The code listing: the image as hex text, 8 values per line, program memory
// under "ROM DATA" and the data EEPROM under "EEPROM DATA", shown 16 lines a page.

inline constexpr int kCodeRows = 16;
// The page layout for a fixed-pitch font of about 7 pixels per character and
// rows of 14 pixels: a silver address gutter 0..42 closed by a white line at
// x = 42 and a grey one at x = 43.
inline constexpr int kCodeGutterWidth = 42;
inline constexpr int kCodeHeaderX = 56;
inline constexpr int kCodeTextX = 48;
inline constexpr int kCodeRowHeight = 14;
inline constexpr std::size_t kCodeLineLength = 57;
inline constexpr const char* kSortingData = N_("Sorting data...");
// The section headers are part of the listing's text (a header row is known
// by its third character), the same in every language.
inline constexpr const char* kRomHeader = "ROM DATA";
inline constexpr const char* kEepromHeader = "EEPROM DATA";

// One program word column: 4 hex digits and a blank; a 12-bit core (WordMask
// 0xFFF, also the class that decides the file format) shows 3 digits after a blank.
std::string WordColumn(int value, int wordMask);

// One EEPROM byte column: two blanks, 2 hex digits and a blank.
std::string ByteColumn(int value);

// The value's low byte as a character when it is 32..127, "." otherwise.
char ListingChar(int value);

// The listing lines. A last group of fewer than 8 values is not listed, so a
// blank-filled image lists ROMSize words and EEPROMSize bytes.
std::vector<std::string> CreateCodeData(const MemoryImage& image, int wordMask);

// The EEPROM part of the listing, added to `out`: an empty line, "EEPROM DATA"
// and the byte lines; nothing for an empty EEPROM.
void AddEepromListing(std::vector<std::string>& out, const std::vector<int>& eeprom);

// CodeScroll's maximum: lines beyond one page, or 0.
int CodeScrollMax(const std::vector<std::string>& codeLines);

// One drawn row of the page. Header rows are drawn whole in red on white at
// x = 56; other rows draw `gutter` on silver at x = 0 and `text` on white at
// x = 48. Rows past the end of the listing are blank and still drawn, so every
// row overwrites what was there.
struct CodePageRow {
    bool header = false;
    std::string gutter; // a blank, then the address and its colon
    std::string text;
    int textX = kCodeTextX; // kCodeHeaderX for a header
    int y = 0;
};

// The page row (0..15) drawn at pixel row y, clamped to the page.
int CodeRowAt(int y);

// The 16 rows of the page starting at line `position` (CodeScroll's position).
std::array<CodePageRow, kCodeRows> CodePage(const std::vector<std::string>& codeLines,
                                            int position);
