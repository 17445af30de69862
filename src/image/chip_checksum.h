#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "platform/translate.h"

#include <optional>
#include <string>

// The 16-bit checksum the chip maker's programming tools show for a file or a
// chip, computed as each chip's programming data sheet prescribes:
//
// - 12- and 14-bit cores: the program words up to the last user address (a
//   calibration word at the top of program memory left out), plus each
//   configuration word ANDed with the bits the chip implements. With code
//   protection on, the protected program words drop out and the four ID digits
//   count as one 16-bit value (ID0 the most significant); a 12-bit core keeps
//   its first 64 words readable, so they still count.
// - 16-bit cores: program memory byte by byte, plus each configuration byte
//   ANDed with its implemented bits (the chip file's erased configuration,
//   which holds exactly those). Protected blocks drop out; when any is
//   protected, the low nibble of each of the eight ID bytes counts too.
//
// Data EEPROM never counts. The configuration words are the image's; a second
// configuration word the program keeps erased counts as erased.

// What is shown where a serial EEPROM's checksum would stand.
inline constexpr const char* kNoChecksumText = N_("none (a serial EEPROM has no checksum)");

// The checksum (0..0xFFFF), or nullopt for a chip without program memory.
std::optional<int> ChipChecksum(const ChipRecord& chip, const MemoryImage& image);
// The checksum of the chip erased: every word blank, the configuration words
// as the chip file gives them blank.
std::optional<int> BlankChecksum(const ChipRecord& chip);

// "0x1A2B"; empty for none.
std::string ChecksumText(std::optional<int> checksum);
