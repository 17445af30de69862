#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text rules of the chip configuration file, shared by the check, the loader
// and the record extraction. Everything works on bytes; nothing here can read
// outside the text it is given, whatever bytes the file holds.

// ASCII-only upper-casing: a-z become A-Z, every other byte stays.
std::string UpperCaseAscii(std::string_view text);

// A key line's normal form, made in place: upper-cased, and only the
// characters 33..127 kept, so blanks, tabs, other control characters and
// bytes 128..255 vanish wherever they stand.
void NormaliseKeyLine(std::string& line);

// True when text begins with prefix (exact bytes).
bool StartsWith(std::string_view text, std::string_view prefix);

// The word rule. Skips leading characters of code 32 or less and takes the
// characters up to the next blank. A character below 32 inside the word gives
// an empty word and leaves rest as it was. Otherwise the word is removed from
// the front of rest (the blank that ended it stays there). The returned view
// points into the same text as rest.
std::string_view ExtractNextWord(std::string_view& rest);

// The quoted-name rule: drops leading characters outside 33..127, then takes
// the text between a double quote and the next one. Returns an empty name
// when there is no opening quote (rest untouched), no closing quote or nothing
// between them. After a name, its closing quote and the characters outside
// 33..127 that follow are dropped from rest. The view points into rest's text.
std::string_view ExtractItemName(std::string_view& rest);

// The integer rule: an optional sign, then decimal digits or a hex number
// introduced by $, x or 0x (x in either case), and nothing else. Values that
// do not fit a 32-bit signed integer do not read either.
std::optional<int> ReadInteger(std::string_view text);

// The hex value rule (VerifyHEX) on a view: -1 when invalid.
int ReadHexValue(std::string_view text);

// The integer behind the first `skip` characters of a word, such as the number
// of LIST3 or FUSE1 (the whole word is skipped when it is shorter).
std::optional<int> ReadNumberBehind(std::string_view word, std::size_t skip);

// True when the line's first word (word rule), upper-cased, begins with LIST:
// a fuse list line. Any other line ends a record.
bool IsListLine(std::string_view line);
