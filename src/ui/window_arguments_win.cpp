#include "ui/window_arguments.h"

#include <QCoreApplication>
#include <QStringList>

std::vector<std::string> WindowArguments(int, char**) {
    const QStringList all = QCoreApplication::arguments();
    std::vector<std::string> args;
    for (qsizetype i = 1; i < all.size(); ++i)
        args.push_back(all[i].toStdString());
    return args;
}
