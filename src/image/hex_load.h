#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "platform/translate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Loading a HEX file into the memory image: read, scan, extract, core check.
// The workbench shows the message of a failed load as an error box and asks
// the core-type question through the callback.

inline constexpr const char* kOpenHexTitle = N_("Open HEX File");
inline constexpr const char* kOpenHexFilter = N_("Hex Files (*.hex);;All Files (*.*)");
inline constexpr const char* kErrorLoadingFile = N_("Error loading file");
inline constexpr const char* kErrorInHexFileLine = N_("Error in HEX file - line %1");
inline constexpr const char* kErrorInHexFile = N_("Error in HEX file - %1");
inline constexpr const char* kCoreTypeQuestion =
    N_("This data appears to be for a different core type\rand may not function with the "
       "selected device.\r\rData will be truncated. Continue loading?");

// Larger files are refused unread: the HEX file of the largest supported chip
// is well under a megabyte.
inline constexpr std::uintmax_t kLargestHexFile = 16u << 20;

// Asked with kCoreTypeQuestion; true for Yes.
using CoreTypeQuestion = std::function<bool(const std::string& question)>;

struct HexLoadResult {
    bool loaded = false;
    std::string message;  // the error to show; empty when loaded or the user said No
    int bytesTaken = 0;   // data bytes of the file that found a place in the chip
    int bytesOutside = 0; // data bytes in none of the chip's ranges (BytesOutsideChip)
};

// Shown once after a load that left bytes outside: the file was made for
// another chip, and the user must not take the image for the whole file.
std::string OutsideMemoryText(int bytes, const std::string& file, const std::string& chip);

// The file's text lines, split at CR LF, CR or LF. Reading stops after the first
// line that is not a record-length line (the scan and the extractors never look
// past it). False for a missing file, a folder, a file over kLargestHexFile or a
// read error.
bool ReadHexFileLines(const std::string& fileName, std::vector<std::string>& lines);

// Scan, extract, core check and mask over lines already read. The extractors
// that ran keep what they wrote when a later step fails.
HexLoadResult LoadHexLines(const std::vector<std::string>& lines, const ChipRecord& chip,
                           MemoryImage& image, std::string& idText,
                           const CoreTypeQuestion& askCoreType);

// The window caption part for a loaded or saved file: "  <" + name without folder + ">".
std::string HexFileCaption(const std::string& fileName);

// ReadHexFileLines then LoadHexLines; a read failure gives kErrorLoadingFile.
HexLoadResult LoadTheHexFile(const std::string& fileName, const ChipRecord& chip,
                             MemoryImage& image, std::string& idText,
                             const CoreTypeQuestion& askCoreType);
