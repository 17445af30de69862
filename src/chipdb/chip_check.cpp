#include "chipdb/chip_check.h"

#include "chipdb/chip_text.h"
#include "image/hex_text.h"

#include <optional>
#include <string_view>

const char* const kChipKeys[kChipKeyCount] = {
    "CHIPNAME=",     "INCLUDE=",      "SOCKETIMAGE=", "ERASEMODE=", "FLASHCHIP=", "POWERSEQUENCE=",
    "PROGRAMDELAY=", "PROGRAMTRIES=", "OVERPROGRAM=", "CORETYPE=",  "ROMSIZE=",   "EEPROMSIZE=",
    "FUSEBLANK=",    "CPWARN=",       "CALWORD=",     "BANDGAP=",   "CHIPID="};

namespace {

constexpr int kMaxLists = 30;
constexpr int kWideFuseWords = 7;

// Hex value rule; texts longer than 6 characters are invalid without copying.
int HexValue(std::string_view text) {
    if (text.size() > 6)
        return -1;
    return VerifyHEX(std::string(text));
}

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

bool IsWideCore(int coreType) {
    return coreType == 1 || coreType == 2;
}

bool FuseBlankValid(std::string_view v, int coreType) {
    if (!IsWideCore(coreType))
        return HexValue(v) >= 0;
    if (v.size() < 4 * kWideFuseWords)
        return false;
    for (int k = 0; k < kWideFuseWords; ++k)
        if (HexValue(v.substr(4 * k, 4)) < 0)
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
    case 0:
        return true;
    case 2:
        return SocketValid(v);
    case 3:
        return IntInRange(v, 0, 5);
    case 5:
        return PowerSequenceValid(v);
    case 6:
    case 7:
    case 8:
        return IntNotMinusOne(v);
    case 9:
        return IntInRange(v, 0, 10);
    case 10: {
        int size = HexValue(v);
        return size >= 0 && size % 0x100 == 0 && size <= 0x8000;
    }
    case 11: {
        int size = HexValue(v);
        return size >= 0 && size <= 0x10000;
    }
    case 12:
        return FuseBlankValid(v, coreType);
    case 16:
        return HexValue(v) >= 0;
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
    if (state.keyPosition == 9)
        state.coreType = *ReadInteger(value);
    if (state.keyPosition == 12)
        state.fuseWords = IsWideCore(state.coreType) ? kWideFuseWords : 1;
    return true;
}

// The configuration word number behind the first four characters of the
// second word (FUSE). A number that does not read counts as 0 and fails.
bool FuseWordValid(std::string_view word, int fuseWords) {
    int m = ReadInteger(word.substr(word.size() < 4 ? word.size() : 4)).value_or(0);
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
        if (value.empty() || HexValue(value) < 0)
            return false;
    }
    return true;
}

bool ListLineValid(std::string_view line, const CheckState& state) {
    std::string_view rest = line;
    std::string_view first = ExtractNextWord(rest);
    std::optional<int> n = ReadInteger(first.substr(4));
    if (!n || *n < 1 || *n > kMaxLists || *n != state.expectedList)
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
            chipData[i] = TrimSpaces(UpperCaseAscii(chipData[i]));
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
