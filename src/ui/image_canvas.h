#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// A fixed-size drawing surface: the program paints into `canvas` and the
// widget shows it unchanged. The canvas holds as many pixels as the screen
// shows for the widget (its device pixel ratio), so painters draw in the
// widget's own coordinates and come out sharp on a high-density screen.
class TImageCanvas : public QWidget {
    Q_OBJECT
public:
    TImageCanvas(int width, int height, QWidget* parent = nullptr);
    QImage canvas;

    // Fills the whole canvas and shows it.
    void Fill(const QColor& colour);

    // Puts `picture` onto the canvas with its top-left corner at `at` (in the
    // widget's coordinates), replacing what was there: pixel for pixel when it
    // is drawn for the canvas's pixel ratio, else scaled smoothly to fit.
    void Paste(const QImage& picture, QPoint at);

    // Paints the canvas's contents again. Called when the canvas had to be
    // made anew (the window moved to a screen of another pixel ratio) or its
    // colours no longer match the palette (the desktop's theme changed).
    std::function<void()> repaintContents;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MatchScreen();
};
