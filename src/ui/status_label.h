#pragma once

#include <QLabel>

// A label for a line of fixed width: a text wider than the label is shown cut,
// with "…" at its end, and whole in the tooltip, so that a long message never
// shows as a middle piece of itself. text() stays the whole text.
class TStatusLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The text does not fit the label.
    bool Cut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
