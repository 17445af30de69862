// Writes the socket pictures (at 1x, 2x and 3x), the icon (for the window, and in the sizes a
// desktop menu asks for under icons/) and the click sound into a folder:
//   tessaro_picgen RESOURCES_FOLDER
// The output is committed in resources/; run this again after changing the picture table.

#include "click_wav.h"
#include "socket_painter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QDir& dir, const QString& file) {
    if (image.save(dir.filePath(file), "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(file)));
    return false;
}

bool WriteBytes(const std::string& bytes, const QDir& dir, const QString& file) {
    QFile out(dir.filePath(file));
    if (out.open(QIODevice::WriteOnly) &&
        out.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(file)));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // Each picture at 1x, and at 2x and 3x for high-density screens (NAME@2x.png).
    for (int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
        for (const ChipPicture& picture : kChipPictures)
            ok = Save(ToSixteenColours(PaintChipPicture(picture, scale)), dir,
                      picture.name + suffix) &&
                 ok;
        ok = Save(ToSixteenColours(PaintICSPPicture(scale)), dir, "ICSP" + suffix) && ok;
    }
    ok = Save(PaintProjIcon(64), dir, "proj.png") && ok;
    if (!dir.mkpath("icons"))
        ok = false;
    for (int size : {32, 48, 128, 256})
        ok = Save(PaintProjIcon(size), dir, QString("icons/tessaro-%1.png").arg(size)) && ok;
    ok = WriteBytes(MakeClickWav(), dir, "click.wav") && ok;
    return ok ? 0 : 1;
}
