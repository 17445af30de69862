// The code listing page and user mode.
#include "app/proj_fm.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int kRows = 16;
constexpr int kLineWidth = 57;
constexpr int kGutter = 42;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

QFont ListingFont() {
    // A fixed-pitch face of about 7 pixels per character on 14-pixel rows.
    QFont f("DejaVu Sans Mono");
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(12);
    return f;
}

void DrawOpaque(QPainter& p, int x, int y, const QString& text, const QColor& ink,
                const QColor& paper) {
    const QFontMetrics fm(p.font());
    const QRect box(x, y, fm.horizontalAdvance(text), 14);
    p.fillRect(box, paper);
    p.setPen(ink);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}
} // namespace

void TProjFm::DisplayCodeLines() {
    if (CodeLines.empty())
        return;
    QImage& canvas = CodeImage->canvas;
    QPainter p(&canvas);
    p.setFont(ListingFont());
    const int height = canvas.height();
    p.fillRect(0, 0, kGutter, height, kSilver);
    p.setPen(Qt::white);
    p.drawLine(kGutter, 0, kGutter, height);
    p.setPen(kGrey);
    p.drawLine(kGutter + 1, 0, kGutter + 1, height);
    // Rows are drawn over a cleared text area so no earlier page shows through.
    p.fillRect(kGutter + 2, 0, canvas.width() - kGutter - 2, height, Qt::white);
    const int top = CodeScroll->value();
    for (int r = 0; r < kRows; ++r) {
        const size_t i = static_cast<size_t>(top) + static_cast<size_t>(r);
        std::string s = i < CodeLines.size() ? CodeLines[i] : std::string();
        if (s.size() < kLineWidth)
            s.append(kLineWidth - s.size(), ' ');
        const int y = 14 * r + 5;
        const QString line = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
        if (s[2] == 'M' || s[2] == 'P') {
            DrawOpaque(p, 56, y, line, Qt::red, Qt::white);
        } else {
            DrawOpaque(p, 0, y, " " + line.left(5), Qt::black, kSilver);
            DrawOpaque(p, 48, y, line.mid(6), Qt::black, Qt::white);
        }
    }
    p.end();
    CodeImage->update();
}

void TProjFm::CodeScrollChange() { DisplayCodeLines(); }

void TProjFm::User1Click() {
    User1->setChecked(!User1->isChecked());
    SetUserMode();
}

void TProjFm::SetUserMode() {
    const bool user = User1->isChecked();
    for (QAction* a : {SerialOff1, OSCAL1, Save1, Read1, Verify1, Blank1, Merge1, Edit1,
                       ReadChipID1, AdviseNewerFileLoad1})
        a->setEnabled(!user);
    for (QPushButton* b : {SaveButt, ReadButt, VerfButt, BlankButt, OscalButt, FuseButt})
        b->setEnabled(!user);
    ChipSelect->setEnabled(!user);
    Run1->setEnabled(user);
    RunButt->setEnabled(user);
    ResetCodeMemory(false, true, false);
    if (user) {
        DrawBlankSocket();
        PlayClick();
        Chip.EEPROMSize = 0;
        Chip.ROMSize = 1024;
        Chip.WordMask = 0x3FFF;
        RunButt->setText("Run");
    } else {
        SelectTheChip();
    }
}
