#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"

#include <cstdint>
#include <string>

// CRC-32 of the image as the chip holds it: every program word (low byte
// first), every EEPROM byte, the ID digits and configuration words 1..7, the
// places past the image's lists counted blank. "0x" and 8 hex digits.
std::string ImageChecksum(const MemoryImage& image, const ChipRecord& chip, const std::string& id);
// The same CRC-32 (the common reflected one, polynomial 0x04C11DB7) of bytes.
std::uint32_t Crc32Of(const std::string& bytes);
