#include "app/proj_fm.h"
#include "platform/dialogs_qt.h"

#include <QApplication>
#include <QScreen>

#include <filesystem>

int main(int argc, char** argv) {
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
    return app.exec();
}
