// View > Disassembly and View > Copy: the listing's program memory as
// instructions, the page kept on its address, selected lines copied as text.
#include "main_window_harness.h"

#include "image/code_listing.h"
#include "ui/image_canvas.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A 16F628A with code at 0 and at 0x100, and an EEPROM byte.
void DisasmWindowImage(TestWindow& w) {
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F628A"));
    w.ChipSelectChange();
    w.Bench().ResetImage({false, false, true});
    w.Image.ROMData[0] = 0x2900;     // GOTO 0x0100
    w.Image.ROMData[0x100] = 0x3055; // MOVLW 0x55
    w.Image.ROMData[0x101] = 0x0086; // MOVWF 0x06
    w.Image.EEPROMData[1] = 0x41;
    w.ImageChanged(kImageData);
}

std::string TopLine(const TestWindow& w) {
    return w.CodeLines[static_cast<std::size_t>(w.CodeScroll->value())];
}

} // namespace

TEST(DisassemblyWindow, TogglesTheProgramMemoryKeepingTheAddressAndTheEeprom) {
    MainWindowHarness h("disasmtoggle");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    DisasmWindowImage(w);
    const std::vector<std::string> hex = w.CodeLines;
    w.CodeScroll->setValue(1 + 0x100 / 8);
    w.Disassembly1->trigger();
    EXPECT_TRUE(w.Disassembly1->isChecked());
    EXPECT_EQ(TopLine(w), "0100: 3055      MOVLW 0x55");
    EXPECT_EQ(w.CodeLines[1], "0000: 2900      GOTO 0x0100");
    EXPECT_TRUE(std::equal(hex.end() - 18, hex.end(), w.CodeLines.end() - 18)); // EEPROM part
    EXPECT_EQ(w.CodeScroll->maximum(), static_cast<int>(w.CodeLines.size()) - 16);
    // A load or a read starts the new listing at the top, still as instructions.
    w.ImageChanged(kImageData);
    EXPECT_EQ(w.CodeScroll->value(), 0);
    EXPECT_EQ(w.CodeLines[1], "0000: 2900      GOTO 0x0100");

    w.CodeScroll->setValue(4); // MOVWF at 0x0101, in the hex line of 0x0100
    w.Disassembly1->trigger();
    EXPECT_FALSE(w.Disassembly1->isChecked());
    EXPECT_EQ(w.CodeLines, hex);
    EXPECT_EQ(TopLine(w).substr(0, 6), "0100: ");
}

TEST(DisassemblyWindow, AHeaderScrolledOntoADataRowLeavesNoneOfItsText) {
    MainWindowHarness h("disasmheader");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    DisasmWindowImage(w);
    w.Disassembly1->trigger();
    // Row 5 shows program words first, then the "EEPROM DATA" header.
    const int header = static_cast<int>(
        std::find(w.CodeLines.begin(), w.CodeLines.end(), "EEPROM DATA") - w.CodeLines.begin());
    w.CodeScroll->setValue(header - 7);
    w.CodeScroll->setValue(header - 5);
    const QImage page = w.CodeImage->canvas;
    const QColor paper = page.pixelColor(kCodeTextX, 5 + 14 * 5);
    for (int x = kCodeTextX; x < kCodeHeaderX; ++x)
        for (int y = 5 + 14 * 5; y < 5 + 14 * 6; ++y)
            ASSERT_EQ(page.pixelColor(x, y), paper) << x << "," << y;
}

TEST(DisassemblyWindow, CopiesTheSelectedLinesOrThePage) {
    MainWindowHarness h("disasmcopy");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.Disassembly1->trigger();
    DisasmWindowImage(w);
    // Rows 1 to 3 of the page: a press on one, a drag to another.
    QTest::mousePress(w.CodeImage, Qt::LeftButton, {}, QPoint(100, 14 * 3 + 8));
    QMouseEvent drag(QEvent::MouseMove, QPointF(100, 14 * 1 + 8), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.CodeImage, &drag);
    w.Copy1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "0000: 2900      GOTO 0x0100\n0001: 3FFF      ; blank up to 00FF (255 words)\n"
              "0100: 3055      MOVLW 0x55\n");
    EXPECT_EQ(w.Copy1->shortcut(), QKeySequence(QKeySequence::Copy));
    // A new listing drops the selection: the page is copied.
    w.ImageChanged(kImageData);
    w.Copy1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 16);
}
