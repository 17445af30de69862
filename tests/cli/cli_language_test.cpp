// tessaro-cli speaks the language of the locale it is started in.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
// Standard output and error of the program started with `locale` as LANG.
std::string RunInLocale(const std::string& locale, const std::string& args) {
    const std::string command = "env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=" + locale + " " +
                                TESSARO_CLI_PATH + " " + args + " 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}
} // namespace

TEST(CliLanguage, TheLocaleChoosesTheLanguageOfMessagesAndHelp) {
    EXPECT_EQ(RunInLocale("de_DE.UTF-8", "frobnicate"),
              "tessaro-cli: unbekannter Befehl frobnicate\n"
              "tessaro-cli: --help nennt die Befehle und Optionen\n");
    EXPECT_EQ(RunInLocale("es_ES.UTF-8", "--help").rfind("uso: tessaro-cli [opciones] ORDEN", 0),
              0u);
    EXPECT_EQ(RunInLocale("C", "frobnicate"),
              "tessaro-cli: unknown command frobnicate\n"
              "tessaro-cli: --help lists the commands and options\n");
}
