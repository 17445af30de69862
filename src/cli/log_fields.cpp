#include "cli/log_fields.h"

#include <cstdlib>

namespace {
class Reader {
public:
    explicit Reader(const std::string& text) : t_(text) {}

    bool Object(std::map<std::string, std::string>& fields) {
        if (!Take('{'))
            return false;
        if (Take('}'))
            return true;
        do {
            std::string key;
            std::string value;
            if (!String(key) || !Take(':') || !Value(value))
                return false;
            fields[key] = value;
        } while (Take(','));
        return Take('}');
    }

private:
    void Blanks() {
        while (at_ < t_.size() && (t_[at_] == ' ' || t_[at_] == '\t'))
            ++at_;
    }
    bool Take(char c) {
        Blanks();
        if (at_ >= t_.size() || t_[at_] != c)
            return false;
        ++at_;
        return true;
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
    bool String(std::string& out) {
        if (!Take('"'))
            return false;
        while (at_ < t_.size() && t_[at_] != '"') {
            char c = t_[at_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= t_.size())
                return false;
            c = t_[at_++];
            if (c == 'u' && at_ + 4 <= t_.size()) {
                Utf8(static_cast<unsigned>(std::strtoul(t_.substr(at_, 4).c_str(), nullptr, 16)),
                     out);
                at_ += 4;
            } else {
                out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
            }
        }
        return Take('"');
    }
    // An object or array: its text, nesting and strings followed.
    bool Nested(std::string& out) {
        const std::size_t from = at_;
        int depth = 0;
        bool quoted = false;
        for (; at_ < t_.size(); ++at_) {
            const char c = t_[at_];
            if (quoted) {
                at_ += c == '\\' ? 1 : 0;
                quoted = c != '"';
            } else if (c == '"') {
                quoted = true;
            } else if (c == '{' || c == '[') {
                ++depth;
            } else if ((c == '}' || c == ']') && --depth == 0) {
                out = t_.substr(from, ++at_ - from);
                return true;
            }
        }
        return false;
    }
    bool Value(std::string& out) {
        Blanks();
        if (at_ >= t_.size())
            return false;
        if (t_[at_] == '"')
            return String(out);
        if (t_[at_] == '{' || t_[at_] == '[')
            return Nested(out);
        const std::size_t from = at_;
        while (at_ < t_.size() && t_[at_] != ',' && t_[at_] != '}' && t_[at_] != ' ')
            ++at_;
        out = t_.substr(from, at_ - from);
        return !out.empty();
    }

    const std::string& t_;
    std::size_t at_ = 0;
};
} // namespace

std::map<std::string, std::string> LogFields(const std::string& json) {
    std::map<std::string, std::string> fields;
    if (!Reader(json).Object(fields))
        fields.clear();
    return fields;
}
