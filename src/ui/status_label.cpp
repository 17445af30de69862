#include "ui/status_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

bool TStatusLabel::Cut() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
}

void TStatusLabel::paintEvent(QPaintEvent* event) {
    if (!Cut()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event); // the panel alone
    QPainter p(this);
    const QRect box = contentsRect().adjusted(margin(), 0, -margin(), 0);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
}

bool TStatusLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && Cut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}
