#include "link/json_value.h"

#include <cstdio>

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    bool Whole(JsonValue& v) {
        if (!Value(v, 0))
            return false;
        Blanks();
        return i_ == s_.size();
    }

private:
    static constexpr int kDeepest = 32;

    void Blanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n'))
            ++i_;
    }
    bool Take(char c) {
        Blanks();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w) {
        if (s_.substr(i_, w.size()) != w)
            return false;
        i_ += w.size();
        return true;
    }

    bool Value(JsonValue& v, int depth) {
        Blanks();
        const std::size_t start = i_;
        if (!Bare(v, depth))
            return false;
        if (v.type != JsonValue::Type::String && depth > 0)
            v.written = s_.substr(start, i_ - start);
        return true;
    }

    bool Bare(JsonValue& v, int depth) {
        if (i_ >= s_.size() || depth > kDeepest)
            return false;
        const char c = s_[i_];
        if (c == '{')
            return Object(v, depth);
        if (c == '[')
            return Array(v, depth);
        if (c == '"') {
            v.type = JsonValue::Type::String;
            return String(v.text);
        }
        if (Word("true") || Word("false")) {
            v.type = JsonValue::Type::Bool;
            v.boolean = c == 't';
            return true;
        }
        if (Word("null"))
            return true;
        return Number(v);
    }

    bool Number(JsonValue& v) {
        const std::size_t start = i_;
        bool negative = i_ < s_.size() && s_[i_] == '-';
        if (negative)
            ++i_;
        std::int64_t n = 0;
        std::size_t digits = 0;
        for (; i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; ++i_, ++digits)
            n = n * 10 + (s_[i_] - '0');
        if (digits == 0 || digits > 18)
            return false;
        // A fraction or exponent is read over; the integer part stands.
        while (i_ < s_.size() &&
               std::string_view("0123456789.eE+-").find(s_[i_]) != std::string_view::npos)
            ++i_;
        v.type = JsonValue::Type::Number;
        v.number = negative ? -n : n;
        return i_ > start;
    }

    bool String(std::string& out) {
        ++i_; // the opening quote
        while (i_ < s_.size()) {
            const char c = s_[i_++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size())
                return false;
            const char e = s_[i_++];
            const std::string_view plain = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const std::size_t k = plain.find(e); k != std::string_view::npos) {
                out += meant[k];
            } else if (e == 'u' && i_ + 4 <= s_.size()) {
                unsigned code = 0;
                if (std::sscanf(std::string(s_.substr(i_, 4)).c_str(), "%4x", &code) != 1)
                    return false;
                i_ += 4;
                Utf8(code, out);
            } else {
                return false;
            }
        }
        return false;
    }

    static void Utf8(unsigned code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool Array(JsonValue& v, int depth) {
        ++i_;
        v.type = JsonValue::Type::Array;
        if (Take(']'))
            return true;
        do {
            if (!Value(v.items.emplace_back(), depth + 1))
                return false;
        } while (Take(','));
        return Take(']');
    }

    bool Object(JsonValue& v, int depth) {
        ++i_;
        v.type = JsonValue::Type::Object;
        if (Take('}'))
            return true;
        do {
            Blanks();
            std::string key;
            if (i_ >= s_.size() || s_[i_] != '"' || !String(key) || !Take(':'))
                return false;
            if (!Value(v.fields[key], depth + 1))
                return false;
        } while (Take(','));
        return Take('}');
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

} // namespace

std::string JsonValue::Str(const std::string& key, const std::string& otherwise) const {
    const auto f = fields.find(key);
    return f != fields.end() && f->second.type == Type::String ? f->second.text : otherwise;
}

std::int64_t JsonValue::Int(const std::string& key, std::int64_t otherwise) const {
    const auto f = fields.find(key);
    return f != fields.end() && f->second.type == Type::Number ? f->second.number : otherwise;
}

bool JsonValue::IsString(const std::string& key) const {
    const auto f = fields.find(key);
    return f != fields.end() && f->second.type == Type::String;
}

bool ParseJson(std::string_view text, JsonValue& value) {
    value = JsonValue();
    return Parser(text).Whole(value);
}

std::string JsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}
