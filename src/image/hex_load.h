#pragma once

#include "chipdb/chip_record.h"
#include "image/memory_image.h"
#include "image/memory_region.h"
#include "platform/translate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Loading a HEX file into the memory image: read, scan, extract, core check.
// The workbench tells what a failed load found in an error box and asks the
// core-type question through the callback.

inline constexpr const char* kOpenHexTitle = N_("Open HEX File");
inline constexpr const char* kOpenHexFilter = N_("Hex Files (*.hex);;All Files (*.*)");

// Larger files are refused unread: the HEX file of the largest supported chip
// is well under a megabyte.
inline constexpr std::uintmax_t kLargestHexFile = 16u << 20;

// Asked when the file holds program words wider than the chip's: load it all
// the same, each word cut to the chip's width? True for Yes.
using CoreTypeQuestion = std::function<bool()>;

// Why a load failed.
enum class HexLoadFailure {
    None,
    Unreadable, // missing, a folder, too large, or a read error
    BadLine,    // the scan found a faulty line (badLine)
    BadRegion,  // the records of one part of the chip did not extract (region)
    Declined,   // the core-type question was answered No (or not asked: no callback)
};

struct HexLoadResult {
    HexLoadFailure failure = HexLoadFailure::None;
    int badLine = -1;                        // BadLine: the index of the faulty line
    MemoryRegion region = MemoryRegion::Rom; // BadRegion: the first part that failed
    int bytesTaken = 0;   // data bytes of the file that found a place in the chip
    int bytesOutside = 0; // data bytes in none of the chip's ranges (BytesOutsideChip)

    bool Loaded() const { return failure == HexLoadFailure::None; }
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

// ReadHexFileLines then LoadHexLines; a read failure is Unreadable.
HexLoadResult LoadTheHexFile(const std::string& fileName, const ChipRecord& chip,
                             MemoryImage& image, std::string& idText,
                             const CoreTypeQuestion& askCoreType);
