#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A JSON value as a recording's and the production log's lines hold them:
// enough of JSON to read back what the program wrote (objects, arrays,
// strings, integers, true, false, null; a number with a fraction is kept by
// its integer part, and as written).
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::int64_t number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> fields;
    // The value's text as written, for every value but a string and the
    // outermost object or array ("1.25", "true", "{\"a\":1}").
    std::string written;

    bool Has(const std::string& key) const { return fields.count(key) != 0; }
    // The field's string, or `otherwise` when it is missing or not a string.
    std::string Str(const std::string& key, const std::string& otherwise = {}) const;
    std::int64_t Int(const std::string& key, std::int64_t otherwise = 0) const;
    bool IsString(const std::string& key) const;
};

// One JSON value filling the whole text (blanks around it allowed); false
// when the text is not JSON.
bool ParseJson(std::string_view text, JsonValue& value);

// A JSON string literal, quotes included: quotes, backslashes and control
// characters escaped, every other byte as it is.
std::string JsonQuoted(std::string_view text);
