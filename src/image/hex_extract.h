#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <string>
#include <vector>

// The region extractors: each walks the HEX lines and places the data of its
// address range into the image. They assume lines that passed ScanHexFile but
// stay within the lists whatever the lines hold; an entry is written only when
// the list already has it (the loader fills the lists before extracting).
// Each returns false when a record of its range is malformed or the lines end
// before the range's end is reached.
//
// A byte's address is the base of the last address record before it (an
// extended linear address S gives S × 65536, an extended segment address
// S × 16; a file without either lies in the first 64K, where a 16-bit core's
// program memory is) plus the record's address and the byte's place in it.
// The ranges in these addresses: program memory from 0; EEPROM from 0x4200,
// or 0xF00000 for the byte-wide layout; ID at 0x4000 (after program memory on
// 12-bit cores) or 0x200000; configuration at 0x1FFE, 0x400E or 0x300000.
// Records may come in any order and start at any address and hold any number
// of bytes: each byte goes to its own address, word = byte address DIV 2, the
// low byte at the even address and the high byte at the odd one; the other
// half of the word keeps what it held. Each adds the bytes it placed to
// `taken` when given.

// Program words 0 .. ROMSize - 1.
bool NewExtractROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                       MemoryImage& image, int* taken = nullptr);

// Data EEPROM bytes (flash chips only): from word 0x2100, or from byte
// 0xF00000 for 16-bit cores of the byte-wide HEX layout (Core::WideByteHex).
// Addresses inside the chip's program memory are never taken as EEPROM. Other cores keep a byte in
// the low byte of its word; high bytes are dropped.
bool NewExtractEEPROMData(const std::vector<std::string>& lines, const ChipRecord& chip,
                          MemoryImage& image, int* taken = nullptr);

// The ID digits into `idText`: 4 digits, or 8 for a 16-bit core; all "F" where
// the file has none. A digit is the low nibble of its byte (below the 16-bit
// cores, of its word's low byte). A 12-bit core keeps its four ID words right
// after program memory, where the assemblers write them (keys ROMSize ..
// ROMSize + 3); the other word cores at word 0x2000.
bool NewExtractIDData(const std::vector<std::string>& lines, const ChipRecord& chip,
                      std::string& idText, int* taken = nullptr);

// Configuration words, each ANDed with its blank value after every byte.
bool NewExtractFuseData(const std::vector<std::string>& lines, const ChipRecord& chip,
                        MemoryImage& image, int* taken = nullptr);

// The data bytes before the end line that lie in none of the chip's ranges
// (a file made for another chip), each address once. Bytes of erased words
// there hold no data and are not counted: the blank fill a saved image carries
// past the end of program memory and EEPROM, or a configuration word the
// record does not keep. The two halves of a word are paired wherever in the
// file they stand; a half the file does not give counts as erased.
int BytesOutsideChip(const std::vector<std::string>& lines, const ChipRecord& chip);
