#include "chipdb/chip_extract.h"

#include "chipdb/chip_check.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"

#include <optional>
#include <string_view>

namespace {

// Option items are the name, 40 blanks and the value: the blanks push the
// value out of sight in the option box, and the value is read back from the
// item's last 4 characters.
constexpr int kItemPadding = 40;

// Reads the key lines of one record; `bad` names the line that failed.
class RecordReader {
public:
    RecordReader(const std::vector<std::string>& lines, std::size_t start)
        : lines_(lines), start_(start) {}

    int bad = -1;

    // The value of the key line at `offset` from the CHIPNAME line.
    std::string_view Value(int offset) {
        std::size_t i = start_ + static_cast<std::size_t>(offset);
        std::string_view key = kChipKeys[offset];
        if (i >= lines_.size() || !StartsWith(lines_[i], key) || lines_[i].size() == key.size())
            return Fail(i);
        return std::string_view(lines_[i]).substr(key.size());
    }

    int Integer(int offset) {
        std::string_view v = Value(offset);
        std::optional<int> n = ReadInteger(v);
        if (!n)
            Fail(start_ + static_cast<std::size_t>(offset));
        return n.value_or(0);
    }

    int Hex(int offset) { return CheckHex(Value(offset), offset); }

    int CheckHex(std::string_view v, int offset) {
        int n = ReadHexValue(v);
        if (n < 0)
            Fail(start_ + static_cast<std::size_t>(offset));
        return n;
    }

    // Flags are decided by the last character: "N" is false, anything else true.
    bool Flag(int offset) {
        std::string_view v = Value(offset);
        return v.empty() || v.back() != 'N';
    }

private:
    std::string_view Fail(std::size_t i) {
        if (bad < 0)
            bad = static_cast<int>(i < lines_.size() ? i : lines_.size() - 1);
        return {};
    }

    const std::vector<std::string>& lines_;
    std::size_t start_;
};

int PowerSequenceNumber(std::string_view v) {
    if (v == "VCC")
        return 0;
    if (v == "VCCVPP1")
        return 1;
    if (v == "VCCVPP2")
        return 2;
    if (v == "VPP1VCC")
        return 3;
    return 4;
}

void ReadFuseBlank(RecordReader& reader, ChipRecord& record) {
    std::string_view v = reader.Value(kFuseBlankLine);
    if (!IsWideCore(record.Family())) {
        record.FuseBlank[1] = reader.CheckHex(v, kFuseBlankLine);
        for (int k = 2; k <= kWideFuseWords; ++k)
            record.FuseBlank[k] = 0xFFFF;
        return;
    }
    for (int k = 1; k <= kWideFuseWords; ++k) {
        std::size_t at = 4 * static_cast<std::size_t>(k - 1);
        std::string_view piece = at + 4 <= v.size() ? v.substr(at, 4) : std::string_view("-");
        record.FuseBlank[k] = reader.CheckHex(piece, kFuseBlankLine);
    }
}

void ReadKeyLines(RecordReader& reader, ChipRecord& record) {
    record.SocketLayout = reader.Integer(kSocketLine);
    record.EraseMode = reader.Integer(kEraseLine);
    record.FlashChip = reader.Flag(kFlashLine);
    record.PowerSequence = PowerSequenceNumber(reader.Value(kPowerLine));
    record.ProgramDelay = reader.Integer(kDelayLine);
    record.ProgramTries = reader.Integer(kTriesLine);
    record.OverProgram = reader.Integer(kOverLine);
    record.CoreType = reader.Integer(kCoreLine);
    record.ROMSize = reader.Hex(kRomLine);
    record.EEPROMSize = reader.Hex(kEepromLine);
    ReadFuseBlank(reader, record);
    record.CPWarn = reader.Flag(kCpWarnLine);
    record.CalWord = reader.Flag(kCalWordLine);
    record.BandGap = reader.Flag(kBandGapLine);
    record.ChipID = reader.Hex(kChipIdLine);
}

// One LIST line into its fuse editor row; false when any part does not read.
bool ReadFuseList(std::string_view line, ChipRecord& record, FuseRows& rows) {
    std::string_view rest = line;
    std::string_view first = ExtractNextWord(rest);
    std::optional<int> n = ReadNumberBehind(first, 4);
    if (!n || *n < 1 || *n > kMaxFuseLists)
        return false;
    std::string_view second = ExtractNextWord(rest);
    std::optional<int> word = ReadNumberBehind(second, 4);
    if (!word || *word < 1 || *word > kWideFuseWords)
        return false;
    std::string_view label = ExtractItemName(rest);
    if (label.empty())
        return false;
    FuseRow row;
    row.label = label;
    while (!rest.empty()) {
        std::string_view name = ExtractItemName(rest);
        if (name.empty() || rest.empty() || rest.front() != '=')
            return false;
        rest.remove_prefix(1);
        std::string_view value = ExtractNextWord(rest);
        if (value.empty())
            return false;
        row.items.push_back(std::string(name) + std::string(kItemPadding, ' ') +
                            std::string(value));
    }
    if (row.items.empty())
        return false;
    row.selected = 0;
    record.FuseListWord[static_cast<std::size_t>(*n)] = *word;
    rows[static_cast<std::size_t>(*n)] = std::move(row);
    return true;
}

} // namespace

ChipInfoResult ExtractChipInfo(const std::vector<std::string>& chipData, int position) {
    ChipInfoResult result;
    std::optional<std::size_t> start = FindListedChip(chipData, position);
    if (!start)
        return result;
    const std::string& nameLine = chipData[*start];
    result.record.ChipName = UpperCaseAscii(
        std::string_view(nameLine).substr(std::string_view(kChipKeys[0]).size(), kChipNameLength));
    RecordReader reader(chipData, *start);
    ReadKeyLines(reader, result.record);
    if (reader.bad >= 0) {
        result.badLine = reader.bad;
        return result;
    }
    for (std::size_t i = *start + kChipKeyCount; i < chipData.size() && IsListLine(chipData[i]);
         ++i) {
        if (!ReadFuseList(chipData[i], result.record, result.rows)) {
            result.badLine = static_cast<int>(i);
            return result;
        }
    }
    result.ok = true;
    return result;
}

int WordMaskForCoreType(int coreType) {
    switch (CoreOf(coreType)) {
    case Core::SerialEeprom:
        return kWordMaskSerialEeprom;
    case Core::Wide:
    case Core::WideByteHex:
        return kWordMask16;
    case Core::Baseline:
        return kWordMask12;
    case Core::Midrange:
    case Core::Other: // one configuration word, 4 ID digits
        break;
    }
    return kWordMask14;
}

void DeriveSelectionFields(ChipRecord& record) {
    record.CalFlags =
        (record.CalWord ? kCalFlagCalWord : 0) | (record.BandGap ? kCalFlagBandGap : 0);
    record.WordMask = WordMaskForCoreType(record.CoreType);
}
