#include "image/hex_text.h"

int VerifyHEX(const std::string& text) {
    if (text.size() > 6)
        return -1;
    int value = 0;
    for (char c : text) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
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
