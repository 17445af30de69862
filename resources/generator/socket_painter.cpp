#include "socket_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

// Socket geometry in pixels: 10 px stand for 0.1".
constexpr int kBodyLeft = 14;
constexpr int kBodyRight = 100;
constexpr int kBodyTop = 36;
constexpr int kBodyBottom = 260;
constexpr int kCamBottom = 50;
constexpr int kFirstRowY = 60;
constexpr int kPitch = 10;
constexpr int kCentreX = 57;
constexpr int kWideHalf = 30;   // 0.6" rows
constexpr int kNarrowHalf = 15; // 0.3" rows

QColor C(Colour c) {
    return QColor::fromRgba(kPalette[c]);
}

int RowY(int row) {
    return kFirstRowY + (row - 1) * kPitch;
}

QFont PixelFont(int pixelSize, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Text(QPainter& p, const QRect& box, int flags, const QString& text, Colour colour,
          int pixelSize = 8, bool bold = false) {
    p.setFont(PixelFont(pixelSize, bold));
    p.setPen(C(colour));
    p.drawText(box, flags, text);
}

void Disc(QPainter& p, int cx, int cy, int r, Colour colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(C(colour));
    p.drawEllipse(QPoint(cx, cy), r, r);
}

// The lever stands up from the cam at the top-left corner, its red knob on top.
void PaintLever(QPainter& p) {
    p.fillRect(QRect(6, 40, 12, 8), C(Silver));
    p.fillRect(QRect(7, 10, 4, 36), C(Silver));
    p.fillRect(QRect(10, 10, 1, 36), C(Grey));
    p.setPen(C(Black));
    p.setBrush(C(Red));
    p.drawRoundedRect(QRect(3, 2, 11, 12), 3, 3);
}

void PaintPinNumber(QPainter& p, int row, bool rightColumn, Colour colour) {
    const int number = rightColumn ? 41 - row : row;
    const QRect box = rightColumn ? QRect(kBodyRight + 1, RowY(row) - 5, 13, 10)
                                  : QRect(0, RowY(row) - 5, kBodyLeft - 1, 10);
    Text(p, box, Qt::AlignCenter, QString::number(number), colour);
}

// The socket body, its cam bar and twenty rows of slots wide enough for 0.3" and 0.6" chips.
void PaintSocket(QPainter& p) {
    p.fillRect(
        QRect(kBodyLeft - 1, kBodyTop - 1, kBodyRight - kBodyLeft + 3, kBodyBottom - kBodyTop + 3),
        C(SocketDark));
    p.fillRect(QRect(kBodyLeft, kBodyTop, kBodyRight - kBodyLeft + 1, kBodyBottom - kBodyTop + 1),
               C(SocketBody));
    p.fillRect(QRect(kBodyLeft, kBodyTop, kBodyRight - kBodyLeft + 1, kCamBottom - kBodyTop),
               C(SocketLight));
    p.fillRect(QRect(kBodyLeft, kCamBottom, kBodyRight - kBodyLeft + 1, 1), C(SocketDark));
    Text(p, QRect(kBodyLeft + 14, kBodyTop, 60, kCamBottom - kBodyTop), Qt::AlignCenter, "ZIF",
         SocketDark, 9, true);
    for (int row = 1; row <= 20; ++row) {
        const int y = RowY(row);
        for (int side : {-1, 1}) {
            const int outer = kCentreX + side * kWideHalf;
            const int inner = kCentreX + side * kNarrowHalf;
            const QRect slot(std::min(outer, inner) - 3, y - 2, kWideHalf - kNarrowHalf + 7, 5);
            p.fillRect(slot, C(Black));
            p.fillRect(slot.adjusted(1, 1, -1, -1), C(SlotMetal));
        }
    }
    for (int row : {1, 20}) {
        PaintPinNumber(p, row, false, White);
        PaintPinNumber(p, row, true, White);
    }
}

// The chip from above: legs in the slots, body between, notch at the top and the pin-1 dot.
void PaintChip(QPainter& p, const ChipPicture& chip) {
    const int half = chip.spacing == RowSpacing::Wide ? kWideHalf : kNarrowHalf;
    const int rows = chip.pins / 2;
    const int lastRow = chip.topRow + rows - 1;
    const int left = kCentreX - half + 5;
    const int right = kCentreX + half - 5;
    const int top = RowY(chip.topRow) - 6;
    const int bottom = RowY(lastRow) + 6;
    for (int row = chip.topRow; row <= lastRow; ++row) {
        p.fillRect(QRect(kCentreX - half - 2, RowY(row) - 1, 8, 3), C(Silver));
        p.fillRect(QRect(kCentreX + half - 5, RowY(row) - 1, 8, 3), C(Silver));
    }
    p.fillRect(QRect(left, top, right - left + 1, bottom - top + 1), C(ChipEdge));
    p.fillRect(QRect(left + 1, top + 1, right - left - 1, bottom - top - 1), C(ChipBody));
    const int notch = chip.spacing == RowSpacing::Wide ? 5 : 4;
    p.setClipRect(QRect(left, top, right - left + 1, bottom - top + 1));
    Disc(p, kCentreX, top, notch, SocketBody);
    p.setClipping(false);
    Disc(p, left + 5, top + 6, 2, White);
    if (chip.spacing == RowSpacing::Wide || rows >= 7) {
        // Long enough to carry its pin count along the body.
        p.save();
        p.translate(kCentreX, (top + bottom) / 2);
        p.rotate(-90);
        Text(p, QRect(-40, -6, 80, 12), Qt::AlignCenter, QString("%1 PIN").arg(chip.pins), Grey);
        p.restore();
    }
    PaintPinNumber(p, chip.topRow, false, Yellow);
    PaintPinNumber(p, chip.topRow, true, Yellow);
}

void PaintCaption(QPainter& p, const QString& caption, int left) {
    const QStringList lines = caption.split('\n');
    Text(p, QRect(left, 2, kPictureWidth - left - 2, 14), Qt::AlignCenter, lines.value(0), White,
         11, true);
    Text(p, QRect(left, 17, kPictureWidth - left - 2, 12), Qt::AlignCenter, lines.value(1), Yellow,
         9);
}

// A picture of kPictureWidth x kPictureHeight drawing units, `scale` pixels each.
QImage NewPicture(int scale, Colour background) {
    QImage image(kPictureWidth * scale, kPictureHeight * scale, QImage::Format_ARGB32);
    image.fill(C(background));
    return image;
}

// Drawing units become `scale` pixels; the pictures' hard pixel edges stay hard.
void Begin(QPainter& p, int scale) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(scale, scale);
}

} // namespace

QImage PaintChipPicture(const ChipPicture& picture, int scale) {
    QImage image = NewPicture(scale, Board);
    QPainter p(&image);
    Begin(p, scale);
    PaintLever(p);
    PaintSocket(p);
    if (picture.pins > 0)
        PaintChip(p, picture);
    PaintCaption(p, picture.caption, 18);
    return image;
}

QImage PaintICSPPicture(int scale) {
    QImage image = NewPicture(scale, Board);
    QPainter p(&image);
    Begin(p, scale);
    PaintCaption(p, "ICSP\nin-circuit", 0);
    constexpr int pitch = 26;
    constexpr int firstY = 62;
    constexpr int count = std::size(kICSPHeader);
    // The header block with square pins; pin 1 on a square pad, the others round.
    p.fillRect(QRect(8, firstY - 14, 24, pitch * (count - 1) + 28), C(Black));
    for (int i = 0; i < count; ++i) {
        const int y = firstY + i * pitch;
        p.fillRect(QRect(14, y - 6, 12, 12), C(i == 0 ? Yellow : Silver));
        p.fillRect(QRect(17, y - 3, 6, 6), C(Grey));
        p.fillRect(QRect(33, y - 1, 8, 2), C(kICSPHeader[i].colour));
        Text(p, QRect(42, y - 7, kPictureWidth - 43, 14), Qt::AlignLeft | Qt::AlignVCenter,
             kICSPHeader[i].name, kICSPHeader[i].colour, 10, true);
    }
    Text(p, QRect(0, firstY - 6, 8, 12), Qt::AlignCenter, "1", Yellow, 8, true);
    // The cable leaves the header downward to the target board.
    const int cableTop = firstY + pitch * (count - 1) + 14;
    for (int i = 0; i < count; ++i)
        p.fillRect(QRect(10 + i * 4, cableTop, 3, 200 - cableTop), C(kICSPHeader[i].colour));
    p.fillRect(QRect(4, 200, 106, 58), C(BoardTrace));
    p.fillRect(QRect(4, 200, 106, 1), C(White));
    Text(p, QRect(8, 204, 100, 14), Qt::AlignCenter, "TARGET", White, 10, true);
    Text(p, QRect(8, 220, 100, 34), Qt::AlignCenter | Qt::TextWordWrap,
         "chip stays on\nits own board", Yellow, 9);
    return image;
}

QImage PaintProjIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(C(SocketDark), 2));
    p.setBrush(C(SocketBody));
    p.drawRoundedRect(QRectF(4, 2, 56, 60), 8, 8);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.fillRect(QRectF(12, 12 + i * 10, 8, 4), C(Silver));
        p.fillRect(QRectF(44, 12 + i * 10, 8, 4), C(Silver));
    }
    p.setBrush(C(ChipBody));
    p.drawRoundedRect(QRectF(18, 7, 28, 54), 3, 3);
    p.setBrush(C(SocketBody));
    p.drawEllipse(QPointF(32, 7), 5, 5);
    p.setBrush(C(White));
    p.drawEllipse(QPointF(24, 15), 2.5, 2.5);
    p.setPen(C(Yellow));
    p.setFont(PixelFont(26, true));
    p.drawText(QRectF(18, 16, 28, 40), Qt::AlignCenter, "P");
    return image;
}

QImage ToSixteenColours(const QImage& picture) {
    QList<QRgb> table;
    for (uint32_t rgb : kPalette)
        table.append(rgb);
    return picture.convertToFormat(QImage::Format_Indexed8, table,
                                   Qt::ThresholdDither | Qt::AvoidDither);
}
