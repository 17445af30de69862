#include "ui/image_canvas.h"

#include <QPainter>

TImageCanvas::TImageCanvas(int width, int height, QWidget* parent)
    : QWidget(parent), canvas(width, height, QImage::Format_RGB32) {
    setFixedSize(width, height);
    canvas.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImageCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, canvas);
}
