#pragma once

#include "chipdb/chip_record.h"
#include "cli/serial_numbers.h"

#include <cstdint>
#include <string>
#include <vector>

// An SQTP serialization file: Intel HEX, one data record per part, every
// record at the serial's address, its bytes as they go into the chip's HEX
// image (RETLW words in the program memory of 12- and 14-bit cores, a zero
// high byte per EEPROM byte where the EEPROM is kept as words). Empty with
// `error` set when a number does not fit.
std::string SqtpText(const ChipRecord& chip, const SerialOptions& o,
                     const std::vector<std::uint64_t>& values, std::string& error);
