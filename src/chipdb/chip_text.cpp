#include "chipdb/chip_text.h"

#include "chipdb/hex_text.h"

#include <cstdint>

namespace {

unsigned char Code(char c) {
    return static_cast<unsigned char>(c);
}

bool IsPrintable(char c) {
    return Code(c) >= 33 && Code(c) <= 127;
}

void DropUnprintable(std::string_view& rest) {
    std::size_t i = 0;
    while (i < rest.size() && !IsPrintable(rest[i]))
        ++i;
    rest.remove_prefix(i);
}

int DigitValue(char c, int base) {
    const int d = HexDigitValue(c);
    return d < base ? d : -1;
}

} // namespace

std::string UpperCaseAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void NormaliseKeyLine(std::string& line) {
    std::size_t n = 0;
    for (char c : line) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < 33 || code > 127)
            continue;
        line[n++] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    line.resize(n);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view ExtractNextWord(std::string_view& rest) {
    std::size_t begin = 0;
    while (begin < rest.size() && Code(rest[begin]) <= 32)
        ++begin;
    std::size_t end = begin;
    while (end < rest.size() && rest[end] != ' ') {
        if (Code(rest[end]) < 32)
            return {};
        ++end;
    }
    std::string_view word = rest.substr(begin, end - begin);
    rest.remove_prefix(end);
    return word;
}

std::string_view ExtractItemName(std::string_view& rest) {
    DropUnprintable(rest);
    if (rest.empty() || rest.front() != '"')
        return {};
    std::string_view inside = rest.substr(1);
    std::size_t close = inside.find('"');
    if (close == std::string_view::npos || close == 0)
        return {};
    std::string_view name = inside.substr(0, close);
    rest = inside.substr(close + 1);
    DropUnprintable(rest);
    return name;
}

std::optional<int> ReadInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (StartsWith(text, "$") || StartsWith(text, "x") || StartsWith(text, "X")) {
        base = 16;
        text.remove_prefix(1);
    } else if (StartsWith(text, "0x") || StartsWith(text, "0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? 0x80000000LL : 0x7FFFFFFFLL;
    std::int64_t value = 0;
    for (char c : text) {
        int d = DigitValue(c, base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsListLine(std::string_view line) {
    std::string_view rest = line;
    std::string_view word = ExtractNextWord(rest);
    return UpperCaseAscii(word.substr(0, 4)) == "LIST";
}

int ReadHexValue(std::string_view text) {
    if (text.size() > 6) // invalid anyway; spares copying a huge word
        return -1;
    return VerifyHEX(std::string(text));
}

std::optional<int> ReadNumberBehind(std::string_view word, std::size_t skip) {
    return ReadInteger(word.substr(word.size() < skip ? word.size() : skip));
}
