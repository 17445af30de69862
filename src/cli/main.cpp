// tessaro-cli: the programmer from the command line, for scripts and
// production benches. The same engine as the window, through a console host.
#include "cli/cli.h"
#include "cli/terminal.h"
#include "platform/program_folder.h"
#include "platform/system_locale.h"
#include "platform/translate.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // The user's language, as the locale asks (LANG=de_DE.UTF-8: German).
    SetTextLookup(BuiltInLookup(LanguageFromEnvironment(std::getenv, SystemLocaleName())));
    CliEnvironment env;
    // The program folder: chipinfo.cid and ports/ are found as the window finds them.
    env.programDir = ProgramFolder();
    env.out = &std::cout;
    env.err = &std::cerr;
    env.errIsTerminal = PrepareTerminal();
    env.sleep = RealSleeper();
    return RunCli(ProgramArguments(argc, argv), env);
}
