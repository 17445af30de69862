#include "platform/translate.h"

#include "platform/translation_table.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {
TextLookup& CurrentLookup() {
    static TextLookup lookup;
    return lookup;
}

// One piece of a pattern: literal text, or the number of a placeholder.
struct Piece {
    std::string text;
    int placeholder = 0; // 1..9; 0 for literal text
};

std::vector<Piece> Pieces(std::string_view pattern) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            pieces.push_back({"", pattern[i + 1] - '0'});
            ++i;
        } else if (pieces.empty() || pieces.back().placeholder != 0) {
            pieces.push_back({std::string(1, pattern[i]), 0});
        } else {
            pieces.back().text += pattern[i];
        }
    }
    return pieces;
}

// A source text with placeholders, taken apart, and how much literal text it has:
// the more, the surer a match.
struct Pattern {
    std::string_view source;
    std::vector<Piece> pieces;
    std::size_t literal = 0;
};

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (std::string_view source : SourceTexts()) {
            Pattern p{source, Pieces(source), 0};
            bool placeholder = false;
            for (const Piece& piece : p.pieces) {
                p.literal += piece.text.size();
                placeholder = placeholder || piece.placeholder != 0;
            }
            if (placeholder && p.literal > 0)
                list.push_back(std::move(p));
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Pattern& a, const Pattern& b) { return a.literal > b.literal; });
        return list;
    }();
    return patterns;
}

// Whether `text` from `at` on is pieces[i..] of a pattern; the parts found go
// into `parts` by placeholder number.
bool Matches(const std::vector<Piece>& pieces, std::size_t i, std::string_view text, std::size_t at,
             std::vector<std::string>& parts) {
    if (i == pieces.size())
        return at == text.size();
    const Piece& piece = pieces[i];
    if (piece.placeholder == 0)
        return text.compare(at, piece.text.size(), piece.text) == 0 &&
               Matches(pieces, i + 1, text, at + piece.text.size(), parts);
    // A part reaches up to where the rest of the pattern fits, the shortest first.
    for (std::size_t end = at; end <= text.size(); ++end) {
        if (i + 1 < pieces.size() && pieces[i + 1].placeholder == 0) {
            end = text.find(pieces[i + 1].text, end);
            if (end == std::string_view::npos)
                return false;
        }
        const std::size_t n = static_cast<std::size_t>(piece.placeholder);
        if (parts.size() < n)
            parts.resize(n);
        parts[n - 1] = std::string(text.substr(at, end - at));
        if (Matches(pieces, i + 1, text, end, parts))
            return true;
    }
    return false;
}

std::string TranslatedAtDepth(const std::string& shown, int depth) {
    const TextLookup& lookup = CurrentLookup();
    if (!lookup || shown.empty())
        return shown;
    if (std::optional<std::string> own = lookup(shown))
        return *own;
    if (depth > 2)
        return shown;
    for (const Pattern& pattern : Patterns()) {
        std::vector<std::string> parts;
        if (!Matches(pattern.pieces, 0, shown, 0, parts))
            continue;
        const std::optional<std::string> translated = lookup(pattern.source);
        if (!translated)
            return shown;
        for (std::string& part : parts)
            part = TranslatedAtDepth(part, depth + 1);
        return Arg(*translated, parts);
    }
    // A message put together line by line (a report with a question after it):
    // each line in the user's language.
    if (shown.find('\r') == std::string::npos)
        return shown;
    std::string out;
    std::size_t start = 0;
    for (std::size_t end = shown.find('\r');; end = shown.find('\r', start)) {
        const std::size_t stop = end == std::string::npos ? shown.size() : end;
        out += TranslatedAtDepth(shown.substr(start, stop - start), depth + 1);
        if (end == std::string::npos)
            return out;
        out += '\r';
        start = end + 1;
    }
}
} // namespace

std::string Arg(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    for (const Piece& piece : Pieces(pattern)) {
        const std::size_t n = static_cast<std::size_t>(piece.placeholder);
        if (n == 0)
            out += piece.text;
        else if (n <= args.size())
            out += args[n - 1];
        else
            out += "%" + std::to_string(n);
    }
    return out;
}

void SetTextLookup(TextLookup lookup) {
    CurrentLookup() = std::move(lookup);
}

std::string Translated(const std::string& shown) {
    return TranslatedAtDepth(shown, 0);
}

std::vector<std::string> ShippedLanguages() {
    std::vector<std::string> languages;
    for (const LanguageTable& table : kLanguageTables)
        languages.emplace_back(table.language);
    return languages;
}

std::string LanguageOfLocale(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of("_-.@"));
    std::string language;
    for (char c : name)
        language += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const LanguageTable& table : kLanguageTables)
        if (language == table.language)
            return language;
    return {};
}

std::string LanguageFromEnvironment(const std::function<const char*(const char*)>& get,
                                    std::string_view systemLocale) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = get(name);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    if (locale.empty())
        locale = systemLocale;
    // As gettext does: the C locale is English whatever LANGUAGE lists.
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0)
        return {};
    if (const char* list = get("LANGUAGE")) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string language = LanguageOfLocale(rest.substr(0, colon));
            if (!language.empty())
                return language;
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    return LanguageOfLocale(locale);
}

TextLookup BuiltInLookup(const std::string& language) {
    for (const LanguageTable& table : kLanguageTables) {
        if (language != table.language)
            continue;
        auto map = std::make_shared<std::unordered_map<std::string_view, std::string_view>>();
        for (std::size_t i = 0; i < table.count; ++i)
            if (table.entries[i].translation != nullptr)
                map->emplace(table.entries[i].source, table.entries[i].translation);
        return [map](std::string_view source) -> std::optional<std::string> {
            const auto found = map->find(source);
            if (found == map->end())
                return std::nullopt;
            return std::string(found->second);
        };
    }
    return [](std::string_view) -> std::optional<std::string> { return std::nullopt; };
}

const std::vector<std::string_view>& SourceTexts() {
    static const std::vector<std::string_view> sources = [] {
        std::vector<std::string_view> list;
        for (const LanguageTable& table : kLanguageTables)
            for (std::size_t i = 0; i < table.count; ++i)
                if (std::find(list.begin(), list.end(), table.entries[i].source) == list.end())
                    list.emplace_back(table.entries[i].source);
        return list;
    }();
    return sources;
}
