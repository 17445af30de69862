#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The user's language. Every text the user reads is written in English in the
// code, marked N_("..."), and translated where it is shown: in the message
// boxes, the status line, the window's captions and the console's lines. Code
// below the window therefore speaks English only, and tests that check texts
// keep checking the English ones.
//
// tools/i18n/update_translations.py collects the marked texts into
// translations/tessaro_LANG.ts; the build makes the window's .qm files and the
// table the command-line program looks its texts up in from them.

// Marks a source text. It does nothing at run time.
#define N_(text) text

// A text composed of a pattern and its parts: %1, %2, ... in `pattern` stand
// for the arguments, so that a translation can move them.
std::string Arg(std::string_view pattern, const std::vector<std::string>& args);
template <class... Parts> std::string Arg(std::string_view pattern, const Parts&... parts) {
    std::vector<std::string> args;
    [[maybe_unused]] auto add = [&args](const auto& part) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>)
            args.push_back(std::to_string(part));
        else
            args.emplace_back(part);
    };
    (add(parts), ...);
    return Arg(pattern, args);
}

// The translation of one source text, or nothing when it has none.
using TextLookup = std::function<std::optional<std::string>(std::string_view source)>;

// The language texts are shown in: a lookup (the window's uses the toolkit's
// translators), or none for English.
void SetTextLookup(TextLookup lookup);

// `shown` in the user's language: its own translation, or that of the pattern
// it was composed from, with the parts put in again (parts that are source
// texts themselves translated too). A text without a translation stays as it is.
std::string Translated(const std::string& shown);

// ---- The command-line program's translations, built into it ----

// The languages there are translations for ("de", "es").
std::vector<std::string> ShippedLanguages();

// The shipped language a locale name asks for ("de_DE.UTF-8" and "de-DE" give "de"); empty
// for English, for "C" and "POSIX", and for a language not shipped.
std::string LanguageOfLocale(std::string_view locale);

// The language of the environment: the first of LANGUAGE's list that is shipped
// (unless the locale is C), else LC_ALL, LC_MESSAGES or LANG, the first set;
// when none of these is set, the system's own locale (`systemLocale`, Windows's
// "de-DE"). `get` reads a variable (getenv).
std::string LanguageFromEnvironment(const std::function<const char*(const char*)>& get,
                                    std::string_view systemLocale = {});

// The built-in lookup for a shipped language (nothing found for any other).
TextLookup BuiltInLookup(const std::string& language);

// Every source text of the translations, for tests and for composed texts.
const std::vector<std::string_view>& SourceTexts();
