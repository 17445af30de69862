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

QImage LoadSocketPicture(const std::string& name, qreal pixelRatio) {
    EnsureProgramResources();
    if (name.empty())
        return {};
    const int drawn = pixelRatio > 2.0 ? 3 : pixelRatio > 1.0 ? 2 : 1;
    QString path = QStringLiteral(":/") + QString::fromStdString(name);
    if (drawn > 1)
        path += QStringLiteral("@%1x").arg(drawn);
    QImage picture(path);
    picture.setDevicePixelRatio(drawn);
    return picture;
}
