#include "app/proj_fm.h"
#include "platform/dialogs_qt.h"
#include "platform/program_folder.h"
#include "platform/starter_console.h"
#include "platform/system_locale.h"
#include "platform/translate.h"
#include "platform/translator_qt.h"
#include "ui/app_identity.h"
#include "ui/close_on_signal.h"
#include "ui/window_arguments.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
// --help and --version are answered to the user who started the program
// (PrintForStarter) before any window opens.
bool AnsweredFromTheCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            PrintForStarter(std::string("tessaro ") + TESSARO_VERSION + "\n");
            return true;
        }
        if (arg == "--help" || arg == "-h") {
            PrintForStarter(
                Translated(N_("usage: tessaro [FILE.hex [CHIP]]\n"
                              "  FILE.hex   an Intel HEX file to open (its name ends in .hex)\n"
                              "  CHIP       the chip to select, when the chip list is the last "
                              "session's\n"
                              "  --help     this text\n"
                              "  --version  the program's version\n")) +
                Translated(N_("  --record FILE  write the board session down in FILE, every byte "
                              "and line change (Help > Record Session...)\n")));
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    // The user's language, as the locale asks (LANG=de_DE.UTF-8: German).
    const std::string language = LanguageFromEnvironment(
        [](const char* name) { return std::getenv(name); }, SystemLocaleName());
    SetTextLookup(BuiltInLookup(language));
    if (AnsweredFromTheCommandLine(argc, argv))
        return 0;
    QApplication app(argc, argv);
    UseLanguage(app, language);
    IdentifyApplication();
    QApplication::setApplicationVersion(TESSARO_VERSION);

    QtDialogs dialogs;
    TProjFmEnv env;
    env.dialogs = &dialogs;
    // Its own files are found beside it, in the system's own spelling of the
    // folder (the one its messages show).
    env.programDir = ProgramFolder();
    env.args = WindowArguments(argc, argv);

    TProjFm window(std::move(env));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    CloseOnSignals(&window);
    // TESSARO_STARTUP_REPORT=1: print how long the start-up sequence took to finish
    // (from the start of main) and quit, for measuring start-up.
    if (std::getenv("TESSARO_STARTUP_REPORT")) {
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &app, [&window, started] {
            if (window.StartupPending())
                return;
            const double ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - started)
                                  .count();
            std::fprintf(stderr, "start-up done after %.1f ms\n", ms);
            QCoreApplication::quit();
        });
        poll->start(1);
    }
    return app.exec();
}
