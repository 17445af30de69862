#include "chipdb/socket_picture_qt.h"

#include <QString>

// Outside any namespace, as the resource initialiser requires.
static void InitTessaroResource() {
    Q_INIT_RESOURCE(tessaro);
}

void EnsureProgramResources() {
    static const bool done = [] {
        InitTessaroResource();
        return true;
    }();
    (void)done;
}

QImage LoadSocketPicture(const std::string& name) {
    EnsureProgramResources();
    if (name.empty())
        return {};
    return QImage(QStringLiteral(":/") + QString::fromStdString(name));
}
