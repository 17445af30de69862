#include "cli/json_line.h"

#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0 when the bytes
// there are not one (a stray continuation byte, a cut or overlong sequence, a
// surrogate, a code point above U+10FFFF).
std::size_t Utf8SequenceAt(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(at + i);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            // UTF-8 goes through as it is; a byte that is not part of it
            // becomes the replacement character, so the line stays valid.
            const std::size_t length = Utf8SequenceAt(text, i);
            out += length == 0 ? std::string("\\uFFFD") : text.substr(i, length);
            i += length == 0 ? 1 : length;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
        ++i;
    }
    return out + "\"";
}

JsonLine& JsonLine::Field(const std::string& key, const std::string& json) {
    if (!body_.empty())
        body_ += ",";
    body_ += JsonString(key) + ":" + json;
    return *this;
}

JsonLine& JsonLine::Str(const std::string& key, const std::string& value) {
    return Field(key, JsonString(value));
}

JsonLine& JsonLine::Int(const std::string& key, long long value) {
    return Field(key, std::to_string(value));
}

JsonLine& JsonLine::Num(const std::string& key, double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return Field(key, text);
}

JsonLine& JsonLine::Bool(const std::string& key, bool value) {
    return Field(key, value ? "true" : "false");
}

JsonLine& JsonLine::Null(const std::string& key) {
    return Field(key, "null");
}

JsonLine& JsonLine::Raw(const std::string& key, const std::string& json) {
    return Field(key, json);
}

std::string JsonStringArray(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (const std::string& text : texts)
        json += (json.size() > 1 ? "," : "") + JsonString(text);
    return json + "]";
}
