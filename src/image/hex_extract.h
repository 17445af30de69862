#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <string>
#include <vector>

// The region extractors: each walks the HEX lines and places the data of its
// address window into the image. They assume lines that passed ScanHexFile but
// stay within the lists whatever the lines hold; an entry is written only when
// the list already has it (the loader fills the lists before extracting).
// Each returns false when a record of its window is malformed or the lines end
// before the window's end is reached.

// Program words, keys 0 .. ROMSize - 1. A record with an odd byte count that
// would leave half a word in the window is refused.
bool NewExtractROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                       MemoryImage& image);

// Data EEPROM bytes (flash chips only): keys from 0x2100, or from 0xF0000 for
// 16-bit cores of the byte-wide HEX layout (Core::WideByteHex). Keys inside the chip's program
// memory are never taken as EEPROM.
bool NewExtractEEPROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                          MemoryImage& image);

// The ID digits into `idText`: 4 digits, or 8 for a 16-bit core; all "F" where
// the file has none. Left alone for a 12-bit core, which keeps no ID in files.
bool NewExtractIDData(const std::vector<std::string>& lines, const ChipRecord& chip,
                      std::string& idText);

// Configuration words, each ANDed with its blank value. A half word is refused.
bool NewExtractFuseData(const std::vector<std::string>& lines, const ChipRecord& chip,
                        MemoryImage& image);
