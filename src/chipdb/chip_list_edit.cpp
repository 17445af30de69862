#include "chipdb/chip_list_edit.h"

#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"

namespace {
constexpr std::string_view kChipNameKey = "CHIPNAME=";
constexpr std::string_view kIncludeKey = "INCLUDE=";

std::string Normalised(std::string line) {
    NormaliseKeyLine(line);
    return line;
}

std::string IncludeLine(char flag) {
    return std::string(kIncludeKey) + flag;
}
} // namespace

std::vector<ChipListRow> FillChipGrid(const std::vector<std::string>& lines) {
    std::vector<ChipListRow> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string key = Normalised(lines[i]);
        if (!StartsWith(key, kChipNameKey))
            continue;
        const std::string next = i + 1 < lines.size() ? Normalised(lines[i + 1]) : std::string();
        if (next.empty())
            continue;
        ChipListRow row;
        row.Name = key.substr(kChipNameKey.size(), kChipNameLength);
        if (StartsWith(next, kIncludeKey)) {
            row.IncludeLine = static_cast<int>(i + 1);
            row.Included = next == IncludeLine('Y') ? 'Y' : 'N';
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void ModifyChipList(std::vector<std::string>& lines, const std::vector<ChipListRow>& rows) {
    for (const ChipListRow& row : rows) {
        if (row.IncludeLine < 0 || static_cast<std::size_t>(row.IncludeLine) >= lines.size())
            continue;
        std::string& line = lines[static_cast<std::size_t>(row.IncludeLine)];
        const std::string wanted = IncludeLine(row.Included == 'Y' ? 'Y' : 'N');
        if (Normalised(line) != wanted)
            line = wanted;
    }
}
