#include "main_window_harness.h"
#include "test_platform.h"

#include "app/chip_editor_fm.h"
#include "app/fuse_edit_fm.h"
#include "app/osccal_fm.h"
#include "app/small_dialogs_fm.h"
#include "platform/help_viewer_qt.h"
#include "platform/style_numbers.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {
QString Said(QWidget* w, QAccessible::Text t) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(t) : QString("<none>");
}

QWidget* NextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Every control a keyboard user can reach has a name a screen reader can say.
void ExpectAllNamed(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) || w->focusProxy())
            continue;
        EXPECT_FALSE(Said(w, QAccessible::Name).isEmpty())
            << window->objectName().toStdString() << "/" << w->objectName().toStdString() << " "
            << w->metaObject()->className();
    }
}
} // namespace

TEST(Accessibility, InformationLabelsAreReadAsTheirText) {
    MainWindowHarness h("a11y-labels");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F84A"));
    w.ChipSelectChange();
    w.ICSPMode1Click();
    w.StatusChanged({StatusWord::BoardConnected, {.style = kBirchAStyle}});
    for (QLabel* label : {w.StatusLabel, w.ComLabel, w.ICSPLabel, w.AutoLabel, w.PCBlabel}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(Said(label, QAccessible::Name), label->text());
        EXPECT_FALSE(Said(label, QAccessible::Description).isEmpty());
    }
    EXPECT_EQ(Said(w.StatusLabel, QAccessible::Name), "Birch_A board connected");
    EXPECT_EQ(Said(w.ICSPLabel, QAccessible::Name), "ICSP");
    EXPECT_EQ(Said(w.ChipSelect, QAccessible::Value), "16F84A");
}

TEST(Accessibility, FieldsAreNamedByTheirLabelsAndReadTheirValues) {
    MainWindowHarness h("a11y-fields");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    EXPECT_EQ(Said(w.ChipSelect, QAccessible::Name), "Chip Selector"); // nothing chosen
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("12F675"));
    w.ChipSelectChange();
    // The toolkit names a list box by its text on Linux, by its label on
    // Windows; its value is the chip on both.
    EXPECT_EQ(Said(w.ChipSelect, QAccessible::Name),
              testplatform::kWindows ? "Chip Selector" : "12F675");
    EXPECT_EQ(Said(w.ChipSelect, QAccessible::Value), "12F675");

    w.ImageChanged(kImageConfig); // the calibration dialog shows the image's values
    TOscCalFm& osc = *w.OscCalFm;
    EXPECT_EQ(Said(osc.OscEdit, QAccessible::Name), "OSCAL Value");
    EXPECT_EQ(Said(osc.OscEdit, QAccessible::Value), "FF");
    EXPECT_EQ(Said(osc.BGedit, QAccessible::Name), "Bandgap");
    EXPECT_EQ(Said(osc.RetlwLab, QAccessible::Name), "34");
    w.PortFm->PortEdit->setText("3");
    EXPECT_EQ(Said(w.PortFm->PortEdit, QAccessible::Name), "Enter Port Value");
    EXPECT_EQ(Said(w.PortFm->PortEdit, QAccessible::Value), "3");
    QLineEdit* id = w.FuseEditFM->findChild<QLineEdit*>("IDedit");
    EXPECT_EQ(Said(id, QAccessible::Name), "ID");
    EXPECT_EQ(Said(id, QAccessible::Value), "FFFF");
    QComboBox* watchdog = w.FuseEditFM->findChild<QComboBox*>("CB2");
    EXPECT_EQ(Said(watchdog, QAccessible::Value), "Enabled");
}

TEST(Accessibility, EveryReachableControlOfEveryWindowHasAName) {
    MainWindowHarness h("a11y-all");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("12F675"));
    w.ChipSelectChange();
    QtHelpViewer help;
    help.OpenContents("");
    QWidget* windows[] = {&w,           w.PortFm,   w.EraseFm, w.FlyForm,
                          w.FuseEditFM, w.OscCalFm, w.EditFm,  help.Window()};
    for (QWidget* window : windows)
        ExpectAllNamed(window);
    // The small windows are windows to a screen reader, not panels.
    for (QWidget* window : {static_cast<QWidget*>(w.FlyForm), static_cast<QWidget*>(help.Window())})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
}

TEST(Accessibility, TabGoesThroughTheMainWindowInReadingOrder) {
    MainWindowHarness h("a11y-tab");
    TestWindow& w = h.Start();
    w.RunButt->setVisible(true);
    std::vector<QWidget*> expected = {w.ChipSelect, w.LoadButt, w.SaveButt,  w.ProgButt,
                                      w.ReadButt,   w.VerfButt, w.BlankButt, w.OscalButt,
                                      w.FuseButt,   w.RunButt,  w.CanButt,   w.CodeScroll};
    for (std::size_t i = 1; i < expected.size(); ++i)
        EXPECT_EQ(NextTabStop(expected[i - 1]), expected[i]) << i;
    const TOscCalFm& osc = *w.OscCalFm;
    expected = {osc.OscEdit, osc.BGedit, osc.OKbutt, osc.CancelButt, osc.ReadButt};
    for (std::size_t i = 1; i < expected.size(); ++i)
        EXPECT_EQ(NextTabStop(expected[i - 1]), expected[i]) << i;
}
