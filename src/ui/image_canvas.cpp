#include "ui/image_canvas.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

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
