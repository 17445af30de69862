#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "platform/translate.h"

#include <optional>
#include <string>
#include <vector>

// Writing the memory image as a HEX file: INHX32 for 16-bit cores (WordMask
// 0xFFFF), INHX8M for every other core class. Records are built as upper-case
// text lines first and the file is written whole at the end.

// Texts of the Save command.
inline constexpr const char* kSaveProblem =
    N_("A problem occurred while trying to save the HEX file");
inline constexpr const char* kNothingToSave = N_("Nothing to save");
inline constexpr const char* kSavingStatus = N_("Saving...");
inline constexpr const char* kProgramReadyStatus = N_("Program Ready");
inline constexpr const char* kSaveHexTitle = N_("Save HEX File");
inline constexpr const char* kSaveHexFilter = N_("HEX Files (*.hex);;All Files (*.*)");

// Two upper-case hex digits: 256 minus the sum of the body's digit pairs, mod 256.
std::string CheckSum(const std::string& body);

// The lines of an INHX8M file, or nothing when a record cannot be built (an ID
// character that is not a hex digit, or data the 16-bit file addresses cannot
// hold). Records at or past byte address 0x10000 are left out when they hold only
// entries beyond the chip; one that holds a word of the chip fails the build.
std::optional<std::vector<std::string>>
SaveINHX8MFile(const MemoryImage& image, const ChipRecord& chip, const std::string& idText);

// The lines of an INHX32 file. An ID text shorter than 8 digits is first padded
// on the left with "F" and written back into `idText` (the ID box).
std::optional<std::vector<std::string>> SaveINHX32File(const MemoryImage& image,
                                                       const ChipRecord& chip, std::string& idText);

// Builds the file for the chip's core class and replaces `fileName` with it
// through a temporary file and a rename: a failed save leaves an existing file
// as it was. False on any failure; the caller then beeps and shows kSaveProblem.
bool SaveHexFile(const std::string& fileName, const MemoryImage& image, const ChipRecord& chip,
                 std::string& idText);
