#include "chipdb/chip_check.h"

#include "chipdb/chip_record.h"
#include "chipdb/chip_text.h"

#include <optional>
#include <string_view>

const char* const kChipKeys[kChipKeyCount] = {
    "CHIPNAME=",     "INCLUDE=",      "SOCKETIMAGE=", "ERASEMODE=", "FLASHCHIP=", "POWERSEQUENCE=",
    "PROGRAMDELAY=", "PROGRAMTRIES=", "OVERPROGRAM=", "CORETYPE=",  "ROMSIZE=",   "EEPROMSIZE=",
    "FUSEBLANK=",    "CPWARN=",       "CALWORD=",     "BANDGAP=",   "CHIPID="};

namespace {

bool IsYesNo(std::string_view v) {
    return v == "Y" || v == "N";
}

bool IntInRange(std::string_view v, int low, int high) {
    std::optional<int> n = ReadInteger(v);
    return n && *n >= low && *n <= high;
}

bool IntNotMinusOne(std::string_view v) {
    std::optional<int> n = ReadInteger(v);
    return n && *n != -1;
}

bool FuseBlankValid(std::string_view v, int coreType) {
    if (!IsWideCore(CoreOf(coreType)))
        return ReadHexValue(v) >= 0;
    if (v.size() < 4 * kWideFuseWords)
        return false;
    for (int k = 0; k < kWideFuseWords; ++k)
        if (ReadHexValue(v.substr(4 * k, 4)) < 0)
            return false;
    return true;
}

// The socket number compares as text between "1" and "9"; it must also read as
// an integer, so the record cannot later turn into a wrong socket number.
bool SocketValid(std::string_view v) {
    return v >= "1" && v <= "9" && ReadInteger(v);
}

bool PowerSequenceValid(std::string_view v) {
    return v == "VCC" || v == "VCCVPP1" || v == "VCCVPP2" || v == "VPP1VCC" || v == "VPP2VCC";
}

bool ValueValid(int position, std::string_view v, int coreType) {
    switch (position) {
    case kChipNameLine:
        return true;
    case kSocketLine:
        return SocketValid(v);
    case kEraseLine:
        return IntInRange(v, 0, 5);
    case kPowerLine:
        return PowerSequenceValid(v);
    case kDelayLine:
    case kTriesLine:
    case kOverLine:
        return IntNotMinusOne(v);
    case kCoreLine:
        return IntInRange(v, 0, 10);
    case kRomLine: {
        int size = ReadHexValue(v);
        return size >= 0 && size % 0x100 == 0 && size <= 0x8000;
    }
    case kEepromLine: {
        int size = ReadHexValue(v);
        return size >= 0 && size <= 0x10000;
    }
    case kFuseBlankLine:
        return FuseBlankValid(v, coreType);
    case kChipIdLine:
        return ReadHexValue(v) >= 0;
    default: // INCLUDE, FLASHCHIP, CPWARN, CALWORD, BANDGAP
        return IsYesNo(v);
    }
}

// The state of the check between lines.
struct CheckState {
    int keyPosition = 0;
    int expectedList = 1;
    int fuseWords = 0;
    int coreType = -1;
};

bool KeyLineValid(const std::string& line, CheckState& state) {
    std::string_view key = kChipKeys[state.keyPosition];
    if (!StartsWith(line, key))
        return false;
    std::string_view value = std::string_view(line).substr(key.size());
    if (value.empty() || !ValueValid(state.keyPosition, value, state.coreType))
        return false;
    if (state.keyPosition == kCoreLine)
        state.coreType = *ReadInteger(value);
    if (state.keyPosition == kFuseBlankLine)
        state.fuseWords = IsWideCore(CoreOf(state.coreType)) ? kWideFuseWords : 1;
    return true;
}

// The configuration word number behind the first four characters of the
// second word (FUSE). A number that does not read counts as 0 and fails.
bool FuseWordValid(std::string_view word, int fuseWords) {
    int m = ReadNumberBehind(word, 4).value_or(0);
    return m >= 1 && m <= fuseWords;
}

// Options: a quoted name, '=', a hex value; each remainder at least 8 long.
bool OptionsValid(std::string_view rest) {
    while (!rest.empty()) {
        if (rest.size() < 8 || ExtractItemName(rest).empty())
            return false;
        if (rest.empty() || rest.front() != '=')
            return false;
        rest.remove_prefix(1);
        std::string_view value = ExtractNextWord(rest);
        if (value.empty() || ReadHexValue(value) < 0)
            return false;
    }
    return true;
}

bool ListLineValid(std::string_view line, const CheckState& state) {
    std::string_view rest = line;
    std::string_view first = ExtractNextWord(rest);
    std::optional<int> n = ReadNumberBehind(first, 4);
    if (!n || *n < 1 || *n > kMaxFuseLists || *n != state.expectedList)
        return false;
    if (!FuseWordValid(ExtractNextWord(rest), state.fuseWords))
        return false;
    if (ExtractItemName(rest).empty() || rest.empty())
        return false;
    return OptionsValid(rest);
}

} // namespace

int SyntaxCheckChipList(std::vector<std::string>& chipData) {
    CheckState state;
    for (std::size_t i = 0; i < chipData.size(); ++i) {
        const int lineIndex = static_cast<int>(i);
        if (state.keyPosition < kChipKeyCount) {
            NormaliseKeyLine(chipData[i]);
            if (!KeyLineValid(chipData[i], state))
                return lineIndex;
            ++state.keyPosition;
            continue;
        }
        if (!IsListLine(chipData[i])) {
            state = CheckState{};
            continue;
        }
        if (!ListLineValid(chipData[i], state))
            return lineIndex;
        ++state.expectedList;
        ++state.keyPosition;
    }
    if (state.keyPosition > 0 && state.keyPosition < kChipKeyCount)
        return static_cast<int>(chipData.size()) - 1;
    return -1;
}
