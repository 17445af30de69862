#pragma once

#include <string>

// Hex text helpers shared by the chip file, the HEX files and the listing.

// The value 0..15 of a hex digit of either case, -1 for any other character.
int HexDigitValue(char c);

// Hex text of at most 6 digits (either case; shorter text reads as if padded
// with leading zeros, so empty text is 0) to its value; -1 when invalid.
int VerifyHEX(const std::string& text);

// One upper-case hex digit for 0..15; "F" for any other number.
char ToHex(int n);

// Upper-case hex text of a value: the low byte for 2 digits, and for 4 digits
// two more digits from (v DIV 256), so a value above 0xFFFF starts with "F".
// Any digit count other than 4 gives 2 digits.
std::string HexOfValue(int value, int digits);
