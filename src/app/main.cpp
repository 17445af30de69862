#include "app/proj_fm.h"
#include "platform/dialogs_qt.h"
#include "ui/close_on_signal.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaro");

    QtDialogs dialogs;
    TProjFmEnv env;
    env.dialogs = &dialogs;
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    env.programDir = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    for (int i = 1; i < argc; ++i)
        env.args.emplace_back(argv[i]);

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
            if (window.StartupPending)
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
