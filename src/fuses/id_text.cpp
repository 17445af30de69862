#include "fuses/id_text.h"

namespace {

constexpr char BlankDigit = 'F';
constexpr char Backspace = '\b';
constexpr char Enter = '\r';

size_t PadCount(const std::string& text, int maxLength) {
    if (maxLength <= 0 || text.size() >= static_cast<size_t>(maxLength))
        return 0;
    return static_cast<size_t>(maxLength) - text.size();
}

} // namespace

std::string BlankIDText(int maxLength) {
    return std::string(maxLength == 4 ? 4 : 8, BlankDigit);
}

std::string PadIDLeft(const std::string& text, int maxLength) {
    return std::string(PadCount(text, maxLength), BlankDigit) + text;
}

std::string PadIDRight(const std::string& text, int maxLength) {
    return text + std::string(PadCount(text, maxLength), BlankDigit);
}

char IDKeyFilter(char key) {
    if (key >= 'a' && key <= 'z')
        key = static_cast<char>(key - 'a' + 'A');
    if (key == Backspace || key == Enter || (key >= '0' && key <= '9') ||
        (key >= 'A' && key <= 'F'))
        return key;
    return '\0';
}
