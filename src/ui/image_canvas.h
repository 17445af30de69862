#pragma once

#include <QImage>
#include <QWidget>

// A fixed-size drawing surface: the program paints into `canvas` and the
// widget shows it unchanged.
class TImageCanvas : public QWidget {
    Q_OBJECT
public:
    TImageCanvas(int width, int height, QWidget* parent = nullptr);
    QImage canvas;

protected:
    void paintEvent(QPaintEvent* event) override;
};
