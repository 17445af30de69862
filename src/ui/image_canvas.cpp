#include "ui/image_canvas.h"

#include <QEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace {
QImage CanvasFor(QSize size, qreal ratio) {
    QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
                 static_cast<int>(std::ceil(size.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}
} // namespace

TImageCanvas::TImageCanvas(int width, int height, QWidget* parent)
    : QWidget(parent), canvas(CanvasFor(QSize(width, height), devicePixelRatioF())) {
    setFixedSize(width, height);
    canvas.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImageCanvas::Fill(const QColor& colour) {
    canvas.fill(colour);
    update();
}

void TImageCanvas::Paste(const QImage& picture, QPoint at) {
    const qreal ratio = canvas.devicePixelRatio();
    if (picture.devicePixelRatio() != ratio) {
        QPainter p(&canvas);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(at, picture);
        return;
    }
    // A painter would blend the picture in, many times slower than copying its rows.
    const QImage pixels = picture.convertToFormat(canvas.format());
    const QPoint origin(qRound(at.x() * ratio), qRound(at.y() * ratio));
    const QRect target = QRect(origin, pixels.size()) & canvas.rect();
    const int bytes = pixels.depth() / 8;
    for (int y = target.top(); y <= target.bottom(); ++y)
        std::memcpy(canvas.scanLine(y) + target.left() * bytes,
                    pixels.constScanLine(y - origin.y()) + (target.left() - origin.x()) * bytes,
                    static_cast<std::size_t>(target.width() * bytes));
}

void TImageCanvas::MatchScreen() {
    if (canvas.devicePixelRatio() == devicePixelRatioF())
        return;
    canvas = CanvasFor(size(), devicePixelRatioF());
    canvas.fill(Qt::white);
    if (repaintContents)
        repaintContents();
}

void TImageCanvas::paintEvent(QPaintEvent*) {
    MatchScreen();
    QPainter p(this);
    p.drawImage(0, 0, canvas);
}

void TImageCanvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && repaintContents)
        repaintContents();
    QWidget::changeEvent(event);
}
