#include "chipdb/hex_text.h"

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
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

std::string MyIntToHex(int value, int digits) {
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
