#pragma once

#include "chipdb/chip_record.h"
#include "chipdb/fuse_rows.h"

#include <array>
#include <string>

// Configuration words 1..7 of the memory image; index 0 is unused.
using FuseWords = std::array<int, 8>;

// The value of an option item: its last 4 characters read as hex, -1 when
// they are not hex (an option written with 3 digits leaves a blank in them).
int FuseItemValue(const std::string& item);

// The option's name as the user sees it: the item text before the 40 blanks
// that push the value out of sight (the whole text when it has none).
std::string FuseItemName(const std::string& item);

// The bits of a word that at least one of the row's options clears.
int RelevantBits(const FuseRow& row, int wordMask);

// The first option of the row whose bits, among the relevant ones, equal the
// word's: the one decomposing selects. -1 when none does.
int MatchingOption(const FuseRow& row, int wordMask, int word);

// The configuration word (1..7) that fuse row n acts on on a 16-bit core.
// Words 1..6 as listed; 7 and anything unusable fall to word 7.
int FuseWordOfRow(const ChipRecord& chip, int row);

// Composes the configuration words from the selected options: every word
// starts blank and each row in use clears the bits its selection clears.
FuseWords CreateFuseValueFromFuseEdits(const FuseRows& rows, const ChipRecord& chip);

// Selects, in every row in use, the first option matching word 1 (12-bit and
// 14-bit cores). A row whose options all miss the word keeps its selection.
void UpdateFuses1214(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue);

// As UpdateFuses1214, each row against its own word (16-bit cores).
void UpdateFuses16(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue);

// Brings the rows in line with the words by the chip's core class: 12/14-bit
// or 16-bit; any other word mask has no editable fuses and leaves them alone.
void UpdateFusesForCore(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue);
