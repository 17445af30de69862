// The main window on today's screens: drawn at the screen's pixel density and
// in the desktop theme's colours. CTest runs the SharpWindow tests again with
// QT_SCALE_FACTOR 1.5 and 2.
#include "main_window_harness.h"

#include "chipdb/socket_picture.h"
#include "chipdb/socket_picture_qt.h"
#include "ui/contrast.h"
#include "ui/dark_palette.h"
#include "ui/image_canvas.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {
// Words 0x3FFF 0x0041 at address 0, EEPROM byte 0x7F at 0.
const char* const kLookHex = ":040000004100FF3F7D\r\n:024200007F003D\r\n:00000001FF\r\n";

class LookWindow : public ::testing::Test {
protected:
    LookWindow() : h(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        h.CopyShippedChipFile();
        w = &h.Start();
        w->Timer1->stop();
        w->ChipSelect->setCurrentIndex(w->Bench().FindChip("16F84A"));
        w->ChipSelectChange();
        h.WriteFile("look.hex", kLookHex);
        w->Bench().OpenFile(h.programDir + "look.hex");
    }
    MainWindowHarness h;
    TestWindow* w = nullptr;
};

// The strongest contrast any pixel of a strip has with the strip's paper: the
// ink of its text at its darkest (or brightest) stroke.
double InkContrast(const QImage& canvas, QRect strip, const QColor& paper) {
    double best = 1;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            best = std::max(best, ContrastRatio(canvas.pixelColor(x, y), paper));
    return best;
}

// A picture drawn at 1x and enlarged has every pixel doubled: each 2 x 2 block
// is one colour. Text drawn at the screen's density has finer strokes.
bool HasDetailFinerThanTwoPixels(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return true;
        }
    return false;
}
} // namespace

using SharpWindow = LookWindow;

TEST_F(SharpWindow, ListingAndSocketAreDrawnAtTheScreensPixelDensity) {
    const qreal ratio = w->devicePixelRatioF();
    SCOPED_TRACE(ratio);
    for (TImageCanvas* c : {w->CodeImage, w->SocketImage}) {
        EXPECT_EQ(c->canvas.devicePixelRatio(), ratio);
        EXPECT_GE(c->canvas.width(), c->width() * ratio);
        EXPECT_GE(c->canvas.height(), c->height() * ratio);
    }
    // The 18-pin socket as drawn for this density, pixel for pixel where it matches.
    const QImage drawn = LoadSocketPicture("PIN18", ratio);
    EXPECT_EQ(drawn.devicePixelRatio() >= ratio, true);
    if (drawn.devicePixelRatio() == ratio) {
        EXPECT_EQ(w->SocketImage->canvas, drawn.convertToFormat(QImage::Format_RGB32));
    }
    if (ratio >= 2) {
        EXPECT_TRUE(HasDetailFinerThanTwoPixels(w->CodeImage->canvas));
        EXPECT_TRUE(HasDetailFinerThanTwoPixels(w->SocketImage->canvas));
    }
}

TEST(SocketPictures, EachPictureIsDrawnAgainAtTwoAndThreeTimesItsSize) {
    for (const char* name : kSocketPictureNames) {
        SCOPED_TRACE(name);
        const QImage one = LoadSocketPicture(name, 1);
        for (int scale : {2, 3}) {
            const QImage big = LoadSocketPicture(name, scale);
            ASSERT_FALSE(big.isNull());
            EXPECT_EQ(big.size(), one.size() * scale);
            EXPECT_EQ(big.devicePixelRatio(), scale);
            EXPECT_LE(big.colorCount(), 16);
            EXPECT_TRUE(HasDetailFinerThanTwoPixels(big));
            // Reduced to 1x it is closer to its own 1x drawing than to any other.
            const QImage reduced =
                big.convertToFormat(QImage::Format_RGB32)
                    .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            auto distance = [&](const QImage& other) {
                const QImage o = other.convertToFormat(QImage::Format_RGB32);
                long sum = 0;
                for (int y = 0; y < o.height(); ++y)
                    for (int x = 0; x < o.width(); ++x)
                        sum += std::abs(qGray(o.pixel(x, y)) - qGray(reduced.pixel(x, y)));
                return sum;
            };
            const long own = distance(one);
            for (const char* other : kSocketPictureNames) {
                if (std::string(other) != name) {
                    EXPECT_LT(own, distance(LoadSocketPicture(other))) << other;
                }
            }
        }
    }
    // A screen between the drawings gets the larger one, scaled down.
    EXPECT_EQ(LoadSocketPicture("PIN40", 1.5).devicePixelRatio(), 2);
    EXPECT_EQ(LoadSocketPicture("PIN40", 2.5).devicePixelRatio(), 3);
}

TEST_F(LookWindow, UnderADarkThemeTheListingIsDarkAndEveryTextReadable) {
    w->setPalette(DarkPalette());
    const QPalette& colours = w->CodeImage->palette();
    const QColor paper = colours.color(QPalette::Base);
    ASSERT_LT(paper.lightness(), 64);
    const QImage& page = w->CodeImage->canvas;
    // Row 0 is the "ROM DATA" header, row 1 the line of address 0000.
    const int rowTop = 5, rowHeight = 14;
    EXPECT_EQ(page.pixel(300, rowTop + 2), paper.rgb());
    EXPECT_GE(InkContrast(page, QRect(56, rowTop, 60, rowHeight), paper), kReadableContrast);
    EXPECT_GE(InkContrast(page, QRect(48, rowTop + rowHeight, 300, rowHeight), paper),
              kReadableContrast);
    const QColor gutter = page.pixelColor(2, rowTop + rowHeight);
    EXPECT_GE(InkContrast(page, QRect(0, rowTop + rowHeight, 40, rowHeight), gutter),
              kReadableContrast);
    // Back to the light theme: the listing follows again.
    w->setPalette(QPalette());
    EXPECT_EQ(w->CodeImage->canvas.pixel(300, rowTop + 2),
              w->CodeImage->palette().color(QPalette::Base).rgb());
}

TEST(Contrast, RatiosAndReadableInks) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::gray, Qt::gray), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    for (const QColor& paper : {QColor(Qt::white), QColor(0x24, 0x24, 0x24), QColor(Qt::black)}) {
        const QColor red = ReadableOn(Qt::red, paper);
        EXPECT_GE(ContrastRatio(red, paper), kReadableContrast) << paper.name().toStdString();
        EXPECT_GT(red.red(), 2 * std::max(red.green(), red.blue())) << red.name().toStdString();
    }
    // An ink that already reads is left alone.
    EXPECT_EQ(ReadableOn(Qt::black, Qt::white), QColor(Qt::black));
}
