#pragma once

#include "platform/style_numbers.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Loading the chip configuration file: check, filter and the list of chips
// offered for choosing. Pure: the workbench reads the file (see SplitLines in
// platform/text_file.h), tells what a failed load found and hands the names to
// its faces.

// The offending line of a syntax error is shown cut to this many characters,
// so a damaged file with a huge line still gives a readable box.
inline constexpr std::size_t kShownLineLimit = 1000;

// Chip names are shown in the selector cut to this many characters.
inline constexpr std::size_t kChipNameLength = 8;

// Start indices of the records of a checked ChipData, in order: 17 key lines,
// the fuse list lines, one separator line, then the next record.
std::vector<std::size_t> FindChipRecords(const std::vector<std::string>& chipData);

// Removes the records that must not be offered: INCLUDE=N, and for the Alder
// style also non-flash chips and chips named 16C...
void DeleteUnwantedChipData(std::vector<std::string>& chipData, int programmerStyle);

// The names to offer, in ChipData order: every record whose INCLUDE line reads
// INCLUDE=Y, its name cut to 8 characters.
std::vector<std::string> ExtractChipNames(const std::vector<std::string>& chipData);

// The index in ChipData of the CHIPNAME line of the chip at selector position
// `position` (the same records ExtractChipNames lists); nullopt when there is none.
std::optional<std::size_t> FindListedChip(const std::vector<std::string>& chipData, int position);

enum class ChipFileStatus { Loaded, MissingOrEmpty, SyntaxError, NoChips };

struct ChipFileLoadResult {
    ChipFileStatus status = ChipFileStatus::MissingOrEmpty;
    // The lines after loading: checked, normalised and filtered when Loaded;
    // on a syntax error normalised up to the failing line.
    std::vector<std::string> ChipData;
    std::vector<std::string> ChipNames; // selector items when Loaded
    int errorLine = -1;                 // SyntaxError: ChipData index of the offending line

    bool Loaded() const { return status == ChipFileStatus::Loaded; }
};

// Checks and filters the chip file's `lines` (empty when the file is missing)
// for the programmer style. The caller tells the status in an error box when
// not Loaded, takes the names offered from ChipNames only when Loaded, and in
// every case empties the program memory buffer.
ChipFileLoadResult LoadChipFile(std::vector<std::string> lines, int programmerStyle);
