#include "cli/json_line.h"

#include <cstdio>

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Bytes above ASCII are taken as Latin-1, so the line stays valid UTF-8.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
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
