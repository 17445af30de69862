// The listing's view: program memory as hex words or as instructions (View >
// Disassembly), and lines selected with the mouse, copied as text (View > Copy).
#include "app/proj_fm.h"
#include "disasm/disasm_listing.h"
#include "image/code_listing.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
const QColor kSelection(0x33, 0x99, 0xFF, 90); // over the drawn rows, which stay readable
} // namespace

std::vector<std::string> TProjFm::ListingLines() const {
    return Bench_->Listing(Disassembly1->isChecked());
}

void TProjFm::Disassembly1Click() {
    const bool wasCode = Disassembly1->isChecked();
    Disassembly1->setChecked(!wasCode);
    if (CodeLines.empty())
        return;
    // The page stays on the address it starts with.
    const ChipRecord& chip = Bench_->Chip();
    const ListingPlace top =
        PlaceOfLine(CodeLines, CodeScroll->value(), ListingWordStep(chip, wasCode));
    CodeLines = ListingLines();
    SelectionAnchor = SelectionEnd = -1;
    CodeScroll->blockSignals(true);
    CodeScroll->setMaximum(CodeScrollMax(CodeLines));
    CodeScroll->setValue(LineOfPlace(CodeLines, top, ListingWordStep(chip, !wasCode)));
    CodeScroll->blockSignals(false);
    DisplayCodeLines();
}

void TProjFm::SelectListingRow(int row, bool extend) {
    const int line = CodeScroll->value() + row;
    if (line >= static_cast<int>(CodeLines.size()))
        return;
    if (!extend || SelectionAnchor < 0)
        SelectionAnchor = line;
    SelectionEnd = line;
    DisplayCodeLines();
}

// Only over what every drawing of the page paints anew (the gutter and the
// row's text), so that the tint never adds up on parts drawn once.
void TProjFm::DrawListingSelection(QPainter& painter) const {
    if (SelectionAnchor < 0)
        return;
    const int first = std::min(SelectionAnchor, SelectionEnd);
    const int last = std::max(SelectionAnchor, SelectionEnd);
    for (const CodePageRow& row : CodePage(CodeLines, CodeScroll->value())) {
        const int line = CodeScroll->value() + CodeRowAt(row.y);
        if (line < first || line > last)
            continue;
        const QString text =
            QString::fromLatin1(row.text.data(), static_cast<qsizetype>(row.text.size()));
        painter.fillRect(0, row.y, kCodeGutterWidth, kCodeRowHeight, kSelection);
        painter.fillRect(row.textX, row.y, painter.fontMetrics().horizontalAdvance(text),
                         kCodeRowHeight, kSelection);
    }
}

// The selected lines, or without a selection the page shown, one a line.
void TProjFm::Copy1Click() {
    if (CodeLines.empty())
        return;
    int first = CodeScroll->value();
    int last = first + kCodeRows - 1;
    if (SelectionAnchor >= 0) {
        first = std::min(SelectionAnchor, SelectionEnd);
        last = std::max(SelectionAnchor, SelectionEnd);
    }
    last = std::min(last, static_cast<int>(CodeLines.size()) - 1);
    QString text;
    for (int i = first; i <= last; ++i) {
        std::string line = CodeLines[static_cast<std::size_t>(i)];
        line.erase(line.find_last_not_of(' ') + 1);
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())) + '\n';
    }
    QGuiApplication::clipboard()->setText(text);
}
