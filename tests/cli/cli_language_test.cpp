// tessaro-cli speaks the language of the locale it is started in.
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
// Standard output and error of the program started with `locale` as LANG (and
// no other locale variable), as a shell or a Command Prompt starts it.
std::string RunInLocale(const std::string& locale, const std::string& args) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        testplatform::UnsetEnv(name);
    testplatform::SetEnv("LANG", locale);
    const std::string command = "\"" + std::string(TESSARO_CLI_PATH) + "\" " + args + " 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        ::pclose(pipe);
    }
    // A Windows console ends its lines in CR LF.
    for (std::size_t at = out.find("\r\n"); at != std::string::npos; at = out.find("\r\n", at))
        out.erase(at, 1);
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
