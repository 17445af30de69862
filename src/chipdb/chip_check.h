#pragma once

#include <string>
#include <vector>

// The syntax check of the chip configuration file.

// Number of key lines that open every chip record, in fixed order.
inline constexpr int kChipKeyCount = 17;

// The keys of a record, in their order (each includes its '=').
extern const char* const kChipKeys[kChipKeyCount];

// Positions of the key lines within a record (offsets from its CHIPNAME line).
enum ChipKeyLine : int {
    kChipNameLine,
    kIncludeLine,
    kSocketLine,
    kEraseLine,
    kFlashLine,
    kPowerLine,
    kDelayLine,
    kTriesLine,
    kOverLine,
    kCoreLine,
    kRomLine,
    kEepromLine,
    kFuseBlankLine,
    kCpWarnLine,
    kCalWordLine,
    kBandGapLine,
    kChipIdLine,
};

// A record has at most 30 fuse lists; 16-bit cores have 7 configuration words.
inline constexpr int kMaxFuseLists = 30;
inline constexpr int kWideFuseWords = 7;

// Checks every record of chipData and rewrites each key line in place in its
// normalised form (upper case, characters 33..127 only). Returns the index of
// the first offending line, or -1 when the whole list passes. A record cut
// short inside its key lines is reported at the last line of the list, so no
// later reader can run past the end of a record.
int SyntaxCheckChipList(std::vector<std::string>& chipData);
