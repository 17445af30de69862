#include "chipdb/chip_list.h"

#include "chipdb/chip_check.h"
#include "chipdb/chip_text.h"

#include <string_view>

namespace {

constexpr std::string_view kNameKey = "CHIPNAME=";

const std::string* LineAt(const std::vector<std::string>& lines, std::size_t i) {
    return i < lines.size() ? &lines[i] : nullptr;
}

bool LineIs(const std::vector<std::string>& lines, std::size_t i, std::string_view text) {
    const std::string* line = LineAt(lines, i);
    return line != nullptr && *line == text;
}

// A record offered in the selector: its CHIPNAME line followed by INCLUDE=Y.
bool IsListedRecord(const std::vector<std::string>& lines, std::size_t start) {
    const std::string* include = LineAt(lines, start + 1);
    return StartsWith(UpperCaseAscii(lines[start].substr(0, kNameKey.size())), kNameKey) &&
           include != nullptr && UpperCaseAscii(*include) == "INCLUDE=Y";
}

bool IsUnwanted(const std::vector<std::string>& lines, std::size_t start, int programmerStyle) {
    if (LineIs(lines, start + 1, "INCLUDE=N"))
        return true;
    if (programmerStyle != kAlderStyle)
        return false;
    std::string_view name = std::string_view(lines[start])
                                .substr(StartsWith(lines[start], kNameKey) ? kNameKey.size() : 0);
    return LineIs(lines, start + 4, "FLASHCHIP=N") || StartsWith(name, "16C");
}

} // namespace

std::vector<std::size_t> FindChipRecords(const std::vector<std::string>& chipData) {
    std::vector<std::size_t> starts;
    std::size_t i = 0;
    while (i < chipData.size()) {
        starts.push_back(i);
        i += kChipKeyCount;
        while (i < chipData.size() && IsListLine(chipData[i]))
            ++i;
        ++i; // the separator line
    }
    return starts;
}

void DeleteUnwantedChipData(std::vector<std::string>& chipData, int programmerStyle) {
    std::vector<std::size_t> starts = FindChipRecords(chipData);
    std::vector<std::string> kept;
    kept.reserve(chipData.size());
    for (std::size_t r = 0; r < starts.size(); ++r) {
        std::size_t end = r + 1 < starts.size() ? starts[r + 1] : chipData.size();
        if (IsUnwanted(chipData, starts[r], programmerStyle))
            continue;
        for (std::size_t i = starts[r]; i < end; ++i)
            kept.push_back(std::move(chipData[i]));
    }
    chipData = std::move(kept);
}

std::vector<std::string> ExtractChipNames(const std::vector<std::string>& chipData) {
    std::vector<std::string> names;
    for (std::size_t start : FindChipRecords(chipData))
        if (IsListedRecord(chipData, start))
            names.push_back(UpperCaseAscii(
                std::string_view(chipData[start]).substr(kNameKey.size(), kChipNameLength)));
    return names;
}

std::optional<std::size_t> FindListedChip(const std::vector<std::string>& chipData, int position) {
    if (position < 0)
        return std::nullopt;
    int seen = 0;
    for (std::size_t start : FindChipRecords(chipData))
        if (IsListedRecord(chipData, start) && seen++ == position)
            return start;
    return std::nullopt;
}

ChipFileLoadResult LoadChipFile(std::vector<std::string> lines, int programmerStyle) {
    ChipFileLoadResult result;
    result.ChipData = std::move(lines);
    if (result.ChipData.empty()) {
        result.status = ChipFileStatus::MissingOrEmpty;
        return result;
    }
    int bad = SyntaxCheckChipList(result.ChipData);
    if (bad >= 0) {
        result.status = ChipFileStatus::SyntaxError;
        result.errorLine = bad;
        return result;
    }
    DeleteUnwantedChipData(result.ChipData, programmerStyle);
    result.ChipNames = ExtractChipNames(result.ChipData);
    if (result.ChipNames.empty()) {
        result.status = ChipFileStatus::NoChips;
        return result;
    }
    result.status = ChipFileStatus::Loaded;
    return result;
}
