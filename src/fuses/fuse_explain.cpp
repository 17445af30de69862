#include "fuses/fuse_explain.h"

#include "fuses/calibration.h"
#include "fuses/fuse_values.h"
#include "platform/translate.h"

namespace {

constexpr long kWideConfigBase = 0x300000;

// Whether fuse row n acts on configuration word `word`.
bool RowActsOn(const ChipRecord& chip, int n, int word) {
    return chip.IsWide() ? FuseWordOfRow(chip, n) == word : word == 1;
}

std::string HexText(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

// The option the word selects in the row, or the row's bits when none matches.
FuseSetting SettingOf(const FuseRow& row, int mask, int value) {
    const int match = MatchingOption(row, mask, value);
    if (match >= 0)
        return {row.label, FuseItemName(row.items[static_cast<std::size_t>(match)]), true};
    return {row.label, Arg(N_("no option (%1)"), HexText(value & RelevantBits(row, mask))), false};
}

} // namespace

long ConfigWordAddress(const ChipRecord& chip, int word) {
    if (chip.IsWide())
        return kWideConfigBase + 2L * (word - 1);
    return chip.IsBaseline() ? 0xFFF : 0x2007;
}

int ConfigWordAt(const ChipRecord& chip, long address) {
    for (int word = 1; word <= chip.ConfigWords(); ++word)
        if (ConfigWordAddress(chip, word) == address)
            return word;
    return 0;
}

std::vector<FuseSetting> FuseSettings(const FuseRows& rows, const ChipRecord& chip, int word,
                                      int value) {
    std::vector<FuseSetting> settings;
    for (int n = 1; n < static_cast<int>(rows.size()); ++n) {
        const FuseRow& row = rows[static_cast<std::size_t>(n)];
        if (row.InUse() && RowActsOn(chip, n, word))
            settings.push_back(SettingOf(row, chip.WordMask, value));
    }
    return settings;
}

std::vector<std::string> ExplainFuseDifference(const FuseRows& rows, const ChipRecord& chip,
                                               long address, int fileValue, int chipValue) {
    const int word = ConfigWordAt(chip, address);
    const int mask = chip.WordMask;
    int differing = word == 0 ? 0 : (fileValue ^ chipValue) & mask;
    std::vector<std::string> texts;
    for (int n = 1; n < static_cast<int>(rows.size()) && differing != 0; ++n) {
        const FuseRow& row = rows[static_cast<std::size_t>(n)];
        if (!row.InUse() || !RowActsOn(chip, n, word))
            continue;
        const int relevant = RelevantBits(row, mask);
        if ((differing & relevant) == 0)
            continue;
        differing &= ~relevant;
        texts.push_back(Arg(N_("%1: file %2, chip %3"), row.label,
                            SettingOf(row, mask, fileValue).option,
                            SettingOf(row, mask, chipValue).option));
    }
    if (chip.BandGap && word == 1 && (differing & kBandGapBits) != 0) {
        differing &= ~kBandGapBits;
        texts.push_back(
            Arg(N_("Bandgap: file %1, chip %2"), BandGapText(fileValue), BandGapText(chipValue)));
    }
    if (differing != 0)
        texts.push_back(Arg(N_("Bits %1: file %2, chip %3"), HexText(differing),
                            HexText(fileValue & differing), HexText(chipValue & differing)));
    return texts;
}
