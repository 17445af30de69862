#include "fuses/fuse_values.h"

#include "chipdb/hex_text.h"

namespace {

constexpr size_t ValueGap = 40; // blanks between an option's name and its value

// The value of the row's selected option; a row with nothing (or nothing
// valid) selected clears no bits.
int SelectedValue(const FuseRow& row) {
    if (row.selected < 0 || row.selected >= static_cast<int>(row.items.size()))
        return -1;
    return FuseItemValue(row.items[static_cast<size_t>(row.selected)]);
}

void DecomposeRow(FuseRow& row, int wordMask, int word) {
    const int match = MatchingOption(row, wordMask, word);
    if (match >= 0)
        row.selected = match;
}

} // namespace

int RelevantBits(const FuseRow& row, int wordMask) {
    int common = wordMask;
    for (const auto& item : row.items)
        common &= FuseItemValue(item);
    return wordMask ^ common;
}

int MatchingOption(const FuseRow& row, int wordMask, int word) {
    const int relevant = RelevantBits(row, wordMask);
    const int target = word & relevant;
    for (size_t i = 0; i < row.items.size(); ++i)
        if ((FuseItemValue(row.items[i]) & relevant) == target)
            return static_cast<int>(i);
    return -1;
}

int FuseItemValue(const std::string& item) {
    const size_t start = item.size() > 4 ? item.size() - 4 : 0;
    return VerifyHEX(item.substr(start));
}

std::string FuseItemName(const std::string& item) {
    const size_t gap = item.rfind(std::string(ValueGap, ' '));
    if (gap == std::string::npos)
        return item;
    const size_t end = item.find_last_not_of(' ', gap);
    return end == std::string::npos ? std::string() : item.substr(0, end + 1);
}

int FuseWordOfRow(const ChipRecord& chip, int row) {
    if (row < 0 || row >= static_cast<int>(chip.FuseListWord.size()))
        return 7;
    const int w = chip.FuseListWord[static_cast<size_t>(row)];
    return (w >= 1 && w <= 6) ? w : 7;
}

FuseWords CreateFuseValueFromFuseEdits(const FuseRows& rows, const ChipRecord& chip) {
    FuseWords words = chip.FuseBlank;
    const bool sixteenBit = chip.IsWide();
    for (int n = 1; n < static_cast<int>(rows.size()); ++n) {
        const FuseRow& row = rows[static_cast<size_t>(n)];
        if (!row.InUse())
            continue;
        const int w = sixteenBit ? FuseWordOfRow(chip, n) : 1;
        words[static_cast<size_t>(w)] &= SelectedValue(row);
    }
    return words;
}

void UpdateFuses1214(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue) {
    for (int n = 1; n < static_cast<int>(rows.size()); ++n)
        DecomposeRow(rows[static_cast<size_t>(n)], chip.WordMask, fuseValue[1]);
}

void UpdateFuses16(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue) {
    for (int n = 1; n < static_cast<int>(rows.size()); ++n) {
        const int w = FuseWordOfRow(chip, n);
        DecomposeRow(rows[static_cast<size_t>(n)], chip.WordMask,
                     fuseValue[static_cast<size_t>(w)]);
    }
}

void UpdateFusesForCore(FuseRows& rows, const ChipRecord& chip, const FuseWords& fuseValue) {
    if (chip.IsBaseline() || chip.IsMidrange())
        UpdateFuses1214(rows, chip, fuseValue);
    else if (chip.IsWide())
        UpdateFuses16(rows, chip, fuseValue);
}
