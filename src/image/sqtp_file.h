#pragma once

#include "chipdb/chip_record.h"
#include "image/image_patch.h"

#include <cstdint>
#include <string>
#include <vector>

// An SQTP serialization file (.num), as the chip maker's production tools
// write it: Intel HEX, one data record per part, every record at the same
// address with the same length. The bytes are those of the HEX image: in
// program memory of 12- and 14-bit cores one RETLW per byte (low byte first),
// in EEPROM (below the byte-wide layout) each byte with a zero high byte.
struct SqtpFile {
    std::int64_t address = 0;            // byte address of every record, as in a HEX file
    std::vector<std::vector<int>> parts; // each part's bytes, in the file's order
};

// Reads the file's text; `name` is for the messages. Empty when it reads,
// otherwise why not.
std::string ReadSqtpFile(const std::string& text, const std::string& name, SqtpFile& file);

// Whether the records lie inside the chip (program memory or EEPROM) and only
// over places the image leaves blank, never over a calibration word. Empty
// when they do; otherwise why not.
std::string CheckSqtpPlace(const SqtpFile& file, const ChipRecord& chip, const std::vector<int>& rom,
                           const std::vector<int>& eeprom);

// The writes that put part `index`'s record into an image (after CheckSqtpPlace).
ImagePatch SqtpPartPatch(const SqtpFile& file, std::size_t index, const ChipRecord& chip);

// The part's number as the log shows it: the values its record gives the
// chip (the RETLW operands, the EEPROM bytes, a 16-bit core's bytes), first
// byte most significant; its place in the file (from 1) when they are more
// than 8 bytes.
std::uint64_t SqtpPartValue(const SqtpFile& file, std::size_t index, const ChipRecord& chip);
