#include "platform/translate.h"
#include "protocol/engine_texts.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// The texts are shown in `language` while it lives, in English afterwards.
struct InLanguage {
    explicit InLanguage(const std::string& language) { SetTextLookup(BuiltInLookup(language)); }
    ~InLanguage() { SetTextLookup(nullptr); }
};

// %1..%9 and how often each stands in the text.
std::map<char, int> Placeholders(std::string_view text) {
    std::map<char, int> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            ++found[text[i + 1]];
    return found;
}

// A menu or button caption's accelerator: a single '&' before a character ("&&"
// is an ampersand, and so is one standing alone: "COM & LPT").
int Accelerators(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '&' && (i + 1 >= text.size() || (text[i + 1] != '&' && text[i + 1] != ' ')))
            ++n;
        else if (text[i] == '&')
            ++i;
    return n;
}

int Paragraphs(std::string_view text) {
    int n = 0;
    for (std::size_t at = text.find("\n\n"); at != std::string_view::npos;
         at = text.find("\n\n", at + 2))
        ++n;
    return n;
}

std::string_view Edge(std::string_view text, bool front) {
    const std::size_t n = front ? text.find_first_not_of(' ') : text.find_last_not_of(' ');
    if (n == std::string_view::npos)
        return text;
    return front ? text.substr(0, n) : text.substr(n + 1);
}
} // namespace

TEST(Translations, EverySourceTextHasATranslationThatKeepsItsPartsInEachLanguage) {
    ASSERT_EQ(ShippedLanguages(), (std::vector<std::string>{"de", "es"}));
    ASSERT_GT(SourceTexts().size(), 300u);
    for (const std::string& language : ShippedLanguages()) {
        const TextLookup lookup = BuiltInLookup(language);
        for (std::string_view source : SourceTexts()) {
            SCOPED_TRACE(language + ": " + std::string(source));
            const std::optional<std::string> t = lookup(source);
            ASSERT_TRUE(t && !t->empty());
            EXPECT_EQ(Placeholders(*t), Placeholders(source));
            EXPECT_EQ(std::count(t->begin(), t->end(), '\r'),
                      std::count(source.begin(), source.end(), '\r'));
            // The usage texts' lines may wrap otherwise; their paragraphs stay.
            EXPECT_EQ(Paragraphs(*t), Paragraphs(source));
            EXPECT_EQ(t->ends_with('\n'), source.ends_with('\n'));
            EXPECT_EQ(Accelerators(*t), Accelerators(source));
            EXPECT_EQ(Edge(*t, true), Edge(source, true));
            EXPECT_EQ(Edge(*t, false), Edge(source, false));
            EXPECT_EQ(t->ends_with("..."), source.ends_with("..."));
        }
    }
}

TEST(Translations, ComposedTextsAreTranslatedThroughTheirPatterns) {
    const std::string line = Worded(EngineMessage(MessageWord::HexFileBadLine, {.count = 12}));
    const std::string difference =
        Arg(kDifference, Arg(N_("ROM error at 0x%1"), "0010"), "3FFF", "1234");
    const std::string reset = Arg(kAboutToReset, N_("The board is not responding"));
    const std::string report = "Blank Results: \r\rROM = Erased\rEEPROM = Not Erased\r\r"
                               "Continue to program this chip?";
    EXPECT_EQ(Translated(line), "Error in HEX file - line 12"); // English: as composed
    {
        const InLanguage german("de");
        EXPECT_EQ(Translated(kReady), "Bereit");
        EXPECT_EQ(Translated(line), "Fehler in der HEX-Datei - Zeile 12");
        EXPECT_EQ(Translated(difference), "ROM-Fehler bei 0x0010\r\rSoll 0x3FFF\rIst 0x1234");
        EXPECT_EQ(Translated(reset), "Das Gerät antwortet nicht\rDas Gerät wird zurückgesetzt...");
        EXPECT_EQ(Translated(report), "Ergebnis des Leertests: \r\rROM = Leer\rEEPROM = Nicht "
                                      "leer\r\rDiesen Chip trotzdem programmieren?");
        // What is no source text and fits no pattern stays as it is.
        EXPECT_EQ(Translated("/home/u/blink.hex"), "/home/u/blink.hex");
    }
    const InLanguage spanish("es");
    EXPECT_EQ(Translated(line), "Error en el archivo HEX - línea 12");
    // The blank check's parts are words of the language too.
    EXPECT_EQ(Translated("Blank Results: \r\rEEPROM = Erased\rFuse = Not Erased"),
              "Resultado de la comprobación de borrado: \r\rEEPROM = En blanco\rFusibles = "
              "Con datos");
}

TEST(Translations, TheLanguageComesFromTheLocaleAsGettextReadsIt) {
    auto from = [](std::map<std::string, std::string> env, std::string_view system = {}) {
        return LanguageFromEnvironment(
            [&env](const char* name) -> const char* {
                const auto found = env.find(name);
                return found == env.end() ? nullptr : found->second.c_str();
            },
            system);
    };
    EXPECT_EQ(from({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(from({{"LANG", "es_MX"}}), "es");
    EXPECT_EQ(from({{"LANG", "fr_FR.UTF-8"}}), "");
    EXPECT_EQ(from({}), "");
    EXPECT_EQ(from({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}), "es");
    EXPECT_EQ(from({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}), "");
    EXPECT_EQ(from({{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "fr:es:de"}}), "es");
    EXPECT_EQ(from({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "de"}}), "");
    // Windows's user locale when the environment names none; a C locale set still wins.
    EXPECT_EQ(from({}, "de-DE"), "de");
    EXPECT_EQ(from({{"LANG", "C"}}, "de-DE"), "");
    EXPECT_EQ(from({{"LANG", "en_US.UTF-8"}}, "es-ES"), "");
}
