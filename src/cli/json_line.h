#pragma once

#include <string>
#include <vector>

// One JSON object on one line: the command-line program's results and its
// production log. Keys are written in the order they are added.
class JsonLine {
public:
    JsonLine& Str(const std::string& key, const std::string& value);
    JsonLine& Int(const std::string& key, long long value);
    // A number with a fixed count of decimals (seconds, say).
    JsonLine& Num(const std::string& key, double value, int decimals);
    JsonLine& Bool(const std::string& key, bool value);
    JsonLine& Null(const std::string& key);
    // A value already written as JSON (an array, say).
    JsonLine& Raw(const std::string& key, const std::string& json);
    std::string Text() const { return "{" + body_ + "}"; }

private:
    JsonLine& Field(const std::string& key, const std::string& json);
    std::string body_;
};

// A JSON string literal: quotes, backslashes and control characters escaped,
// UTF-8 passed through (a byte that is not UTF-8 becomes U+FFFD).
std::string JsonString(const std::string& text);

// A JSON array of strings.
std::string JsonStringArray(const std::vector<std::string>& texts);
