// The code listing page.
#include "app/messages.h"
#include "app/proj_fm.h"
#include "image/code_listing.h"
#include "platform/translator_qt.h"
#include "ui/contrast.h"
#include "ui/image_canvas.h"

#include <QFont>
#include <QPainter>
#include <QScrollBar>

namespace {
// The listing in the window's palette: text on the paper of text fields, the
// address gutter in a button's midlight shade, the section headers red enough to
// stand out yet readable on the paper, light or dark. The gutter stands a shade
// apart from both the paper and the window around it.
struct ListingColours {
    QColor paper, ink, gutter, gutterInk, gutterLight, gutterShadow, header;
};

ListingColours ColoursOf(const QPalette& palette) {
    const QColor paper = palette.color(QPalette::Base);
    const QColor gutter = palette.color(QPalette::Midlight);
    return {paper,
            palette.color(QPalette::Text),
            gutter,
            ReadableOn(palette.color(QPalette::ButtonText), gutter),
            palette.color(QPalette::Light),
            palette.color(QPalette::Mid),
            ReadableOn(QColor(Qt::red), paper)};
}

QFont ListingFont() {
    // A fixed-pitch face of under 7 pixels per character, so " 0000:" stays inside the gutter, on
    // 14-pixel rows.
    QFont f("DejaVu Sans Mono");
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(11);
    return f;
}

// Text is drawn opaque: the row's paper first, so nothing earlier shows through.
void DrawOpaque(QPainter& p, int x, int y, const std::string& text, const QColor& ink,
                const QColor& paper) {
    const QString s = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QRect box(x, y, p.fontMetrics().horizontalAdvance(s), kCodeRowHeight);
    p.fillRect(box, paper);
    p.setPen(ink);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, s);
}
} // namespace

void TProjFm::BlankListing() {
    CodeImage->Fill(CodeImage->palette().color(QPalette::Base));
    CodeImage->setAccessibleName(QString());
}

void TProjFm::CreateCodeData() {
    BlankListing();
    SetStatus(kSortingData);
    CodeLines = ListingLines();
    SelectionAnchor = SelectionEnd = -1;
    CodeScroll->blockSignals(true);
    CodeScroll->setValue(0);
    CodeScroll->setMaximum(CodeScrollMax(CodeLines));
    CodeScroll->blockSignals(false);
    SetStatus(kReady);
}

void TProjFm::DisplayCodeLines() {
    if (CodeLines.empty())
        return;
    const ListingColours c = ColoursOf(CodeImage->palette());
    QPainter p(&CodeImage->canvas);
    p.setFont(ListingFont());
    const int height = CodeImage->height();
    p.setPen(c.gutterLight);
    p.drawLine(kCodeGutterWidth, 0, kCodeGutterWidth, height);
    p.setPen(c.gutterShadow);
    p.drawLine(kCodeGutterWidth + 1, 0, kCodeGutterWidth + 1, height);
    p.fillRect(0, 0, kCodeGutterWidth, height, c.gutter);
    for (const CodePageRow& row : CodePage(CodeLines, CodeScroll->value())) {
        if (row.header) {
            // A header stands right of where a data row's text begins: what
            // such a row left there on this row is painted over first.
            p.fillRect(kCodeTextX, row.y, row.textX - kCodeTextX, kCodeRowHeight, c.paper);
            DrawOpaque(p, row.textX, row.y, row.text, c.header, c.paper);
        } else {
            DrawOpaque(p, 0, row.y, row.gutter, c.gutterInk, c.gutter);
            DrawOpaque(p, row.textX, row.y, row.text, c.ink, c.paper);
        }
    }
    DrawListingSelection(p);
    p.end();
    CodeImage->update();
    ListingPageForReaders();
}

// The page is drawn, so a screen reader cannot read it off the screen: the
// canvas carries the page's lines as its text.
void TProjFm::ListingPageForReaders() {
    QStringList page;
    const int first = CodeScroll->value();
    for (int i = first; i < first + kCodeRows && i < static_cast<int>(CodeLines.size()); ++i)
        page << QString::fromLatin1(CodeLines[static_cast<std::size_t>(i)]).trimmed();
    CodeImage->setAccessibleName(page.join('\n'));
}

void TProjFm::CodeScrollChange() {
    DisplayCodeLines();
}
