#include "chipdb/hex_text.h"

#include <array>

namespace {
// Digit values of either case, -1 for every other byte: a HEX file's scan looks
// at every character of the file, so this is one table look-up per character.
constexpr std::array<signed char, 256> kDigitValue = [] {
    std::array<signed char, 256> table{};
    table.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<signed char>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) {
        table[static_cast<std::size_t>(c)] = static_cast<signed char>(c - 'A' + 10);
        table[static_cast<std::size_t>(c - 'A' + 'a')] = static_cast<signed char>(c - 'A' + 10);
    }
    return table;
}();
} // namespace

int HexDigitValue(char c) {
    return kDigitValue[static_cast<unsigned char>(c)];
}

int VerifyHEX(const std::string& text) {
    if (text.size() > 6)
        return -1;
    int value = 0;
    for (char c : text) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

char ToHex(int n) {
    if (n >= 0 && n <= 9)
        return static_cast<char>('0' + n);
    if (n >= 10 && n <= 14)
        return static_cast<char>('A' + n - 10);
    return 'F';
}

std::string HexOfValue(int value, int digits) {
    std::string out;
    if (digits == 4) {
        int high = value / 256;
        out += ToHex(high / 16);
        out += ToHex(high % 16);
    }
    int low = value % 256;
    out += ToHex(low / 16);
    out += ToHex(low % 16);
    return out;
}
