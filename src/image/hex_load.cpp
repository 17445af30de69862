#include "image/hex_load.h"
#include "image/reset_code_memory.h"

#include "image/hex_extract.h"
#include "image/hex_scan.h"
#include "platform/utf8_path.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// Lines of these lengths are records the scan reads on past; any other line
// (the end line, or a faulty one) is the last the loader ever examines.
bool ScanGoesOnAfter(const std::string& line) {
    return line.size() > kEndLineLength && line.size() <= kLongestHexLine;
}

std::vector<std::string> SplitUntilLastExamined(const std::string& contents) {
    std::vector<std::string> lines;
    lines.reserve(contents.size() / 44 + 1); // most lines are full records
    std::size_t pos = 0;
    while (pos < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", pos);
        const std::size_t stop = end == std::string::npos ? contents.size() : end;
        lines.emplace_back(contents, pos, stop - pos);
        if (!ScanGoesOnAfter(lines.back()) || end == std::string::npos)
            break;
        pos = end + 1;
        if (contents[end] == '\r' && pos < contents.size() && contents[pos] == '\n')
            ++pos;
    }
    return lines;
}

HexLoadResult Failed(HexLoadFailure failure) {
    return HexLoadResult{.failure = failure};
}

// The first failing extractor's part of the chip; none when all extracted.
std::optional<MemoryRegion> FirstFailingRegion(const std::vector<std::string>& lines,
                                               const ChipRecord& chip, MemoryImage& image,
                                               std::string& idText, int& taken) {
    if (!NewExtractROMData(lines, chip, image, &taken))
        return MemoryRegion::Rom;
    if (!NewExtractEEPROMData(lines, chip, image, &taken))
        return MemoryRegion::Eeprom;
    if (!NewExtractIDData(lines, chip, idText, &taken))
        return MemoryRegion::Id;
    if (!NewExtractFuseData(lines, chip, image, &taken))
        return MemoryRegion::Fuse;
    return std::nullopt;
}

} // namespace

bool ReadHexFileLines(const std::string& fileName, std::vector<std::string>& lines) {
    std::error_code ec;
    const std::filesystem::path file = PathOf(fileName);
    if (!std::filesystem::is_regular_file(file, ec))
        return false;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kLargestHexFile)
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::string contents(static_cast<std::size_t>(size), '\0');
    in.read(contents.data(), static_cast<std::streamsize>(size));
    // A file that shrank while being read is read as far as it goes.
    contents.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return false;
    lines = SplitUntilLastExamined(contents);
    return true;
}

HexLoadResult LoadHexLines(const std::vector<std::string>& lines, const ChipRecord& chip,
                           MemoryImage& image, std::string& idText,
                           const CoreTypeQuestion& askCoreType) {
    const int scan = ScanHexFile(lines);
    // Either kind loads for every core: a file without extended linear
    // address records lies in the first 64K, where a 16-bit core's program
    // memory is, and the records before the first one lie there too.
    if (scan >= 0)
        return HexLoadResult{.failure = HexLoadFailure::BadLine, .badLine = scan};
    FillMissingEntries(chip, image);
    int taken = 0;
    if (const std::optional<MemoryRegion> region =
            FirstFailingRegion(lines, chip, image, idText, taken))
        return HexLoadResult{.failure = HexLoadFailure::BadRegion, .region = *region};
    for (int word : image.ROMData) {
        if (word > chip.WordMask) {
            if (!askCoreType || !askCoreType())
                return Failed(HexLoadFailure::Declined);
            break;
        }
    }
    for (int& word : image.ROMData)
        word &= chip.WordMask;
    return HexLoadResult{.bytesTaken = taken, .bytesOutside = BytesOutsideChip(lines, chip)};
}

std::string OutsideMemoryText(int bytes, const std::string& file, const std::string& chip) {
    if (bytes == 1)
        return Arg(N_("1 byte of %1 lies outside %2's memory and was not loaded"), file, chip);
    return Arg(N_("%1 bytes of %2 lie outside %3's memory and were not loaded"), bytes, file, chip);
}

std::string HexFileCaption(const std::string& fileName) {
    return "  <" + Utf8Of(PathOf(fileName).filename()) + ">";
}

HexLoadResult LoadTheHexFile(const std::string& fileName, const ChipRecord& chip,
                             MemoryImage& image, std::string& idText,
                             const CoreTypeQuestion& askCoreType) {
    std::vector<std::string> lines;
    if (!ReadHexFileLines(fileName, lines))
        return Failed(HexLoadFailure::Unreadable);
    return LoadHexLines(lines, chip, image, idText, askCoreType);
}
