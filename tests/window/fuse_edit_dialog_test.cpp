#include "app/fuse_edit_fm.h"
#include "fuse_edit_window_rows.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QComboBox* Box(const TFuseEditFM& fm, int n) {
    return fm.findChild<QComboBox*>(QString("CB%1").arg(n));
}

QLabel* Label(const TFuseEditFM& fm, int n) {
    return fm.findChild<QLabel*>(QString("CBLabel%1").arg(n));
}

QLineEdit* IDBox(const TFuseEditFM& fm) {
    return fm.findChild<QLineEdit*>("IDedit");
}

QPushButton* Button(const TFuseEditFM& fm, const char* name) {
    return fm.findChild<QPushButton*>(name);
}

// The next widget the Tab key can reach, hidden or not.
QWidget* NextTabStop(QWidget* w) {
    do {
        w = w->nextInFocusChain();
    } while ((w->focusPolicy() & Qt::TabFocus) == 0);
    return w;
}

void Type(QWidget* w, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

} // namespace

TEST(FuseEditDialog, RowsStandWhereTheLayoutPutsThem) {
    TFuseEditFM fm;
    EXPECT_EQ(fm.windowTitle(), "FUSE Edit");
    EXPECT_EQ(fm.size(), QSize(604, 384));
    EXPECT_EQ(fm.minimumSize(), fm.maximumSize());
    for (int n = 1; n <= 30; ++n) {
        SCOPED_TRACE(n);
        QComboBox* box = Box(fm, n);
        QLabel* label = Label(fm, n);
        ASSERT_NE(box, nullptr);
        ASSERT_NE(label, nullptr);
        const bool left = n % 2 == 1;
        const int top = 6 + 23 * ((n + 1) / 2 - 1);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(left ? 166 : 446, top));
        EXPECT_EQ(box->width(), 130);
        EXPECT_EQ(label->x(), left ? 18 : 298);
        EXPECT_EQ(label->width(), 144);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_EQ(label->buddy(), box); // the label names the box for screen readers
        if (n < 30) {
            EXPECT_EQ(NextTabStop(box), Box(fm, n + 1));
        }
    }
    for (const char* name : {"IDLabel", "IDedit", "DefButt", "OKButt", "CancelButt"}) {
        QWidget* w = fm.findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(QRect(0, 0, 604, 384).contains(w->geometry())) << name;
        EXPECT_GT(w->y(), 6 + 23 * 14 + 21) << name; // below the last line of rows
    }
    EXPECT_EQ(NextTabStop(Box(fm, 30)), IDBox(fm));
    EXPECT_EQ(Button(fm, "DefButt")->text(), "Default");
    EXPECT_EQ(fm.findChild<QLabel*>("IDLabel")->text(), "ID");
}

TEST(FuseEditDialog, LoadShowsRowsInUseAndReadsThemBack) {
    TFuseEditFM fm;
    FuseRows rows = Flash40PinRows();
    rows[2].selected = 1;
    rows[9].items[1] = "Enabled" + std::string(40, ' ') + "1fff"; // case kept
    fm.LoadFuseRows(rows);
    fm.show();
    for (int n = 1; n <= 30; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Box(fm, n)->isVisible(), n <= 9);
        EXPECT_EQ(Label(fm, n)->isVisible(), n <= 9);
    }
    EXPECT_EQ(Label(fm, 2)->text(), "Watchdog Timer");
    const auto labels =
        QAccessible::queryAccessibleInterface(Box(fm, 2))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Watchdog Timer");
    EXPECT_EQ(Box(fm, 2)->currentIndex(), 1);
    EXPECT_EQ(Box(fm, 2)->currentText(), "Disabled"); // the value stays out of sight
    const FuseRows back = fm.ReadFuseRows();
    for (int n = 1; n <= 30; ++n) {
        EXPECT_EQ(back[n].label, rows[n].label) << n;
        EXPECT_EQ(back[n].items, rows[n].items) << n;
        if (rows[n].InUse()) {
            EXPECT_EQ(back[n].selected, rows[n].selected) << n;
        }
    }
}

TEST(FuseEditDialog, ResetEmptiesAndHidesEverything) {
    TFuseEditFM fm;
    fm.LoadFuseRows(Flash40PinRows());
    fm.SetIDVisible(true);
    fm.show();
    fm.ResetFuseEdits();
    for (int n = 1; n <= 30; ++n) {
        EXPECT_FALSE(Box(fm, n)->isVisible()) << n;
        EXPECT_EQ(Box(fm, n)->count(), 0) << n;
        EXPECT_TRUE(Label(fm, n)->text().isEmpty()) << n;
    }
    EXPECT_FALSE(IDBox(fm)->isVisible());
    EXPECT_FALSE(fm.findChild<QLabel*>("IDLabel")->isVisible());
}

TEST(FuseEditDialog, ApplySelectionsMovesOnlyValidChoices) {
    TFuseEditFM fm;
    fm.LoadFuseRows(Flash40PinRows());
    FuseRows rows = fm.ReadFuseRows();
    rows[1].selected = 3;
    rows[2].selected = 9; // beyond the items: ignored
    fm.ApplySelections(rows);
    EXPECT_EQ(Box(fm, 1)->currentIndex(), 3);
    EXPECT_EQ(Box(fm, 2)->currentIndex(), 0);
}

TEST(FuseEditDialog, IDIsPaddedRightWhenShownAndLeftWhenClosed) {
    TFuseEditFM fm;
    fm.SetIDMaxLength(4);
    fm.SetIDVisible(true);
    fm.SetIDText("12");
    fm.show();
    EXPECT_EQ(fm.IDText(), "12FF");
    IDBox(fm)->setText("A");
    Button(fm, "CancelButt")->click();
    EXPECT_FALSE(fm.isVisible());
    EXPECT_EQ(fm.result(), QDialog::Rejected);
    EXPECT_EQ(fm.IDText(), "FFFA");

    fm.SetIDMaxLength(8);
    fm.SetIDText("5");
    fm.show();
    EXPECT_EQ(fm.IDText(), "5FFFFFFF");
    IDBox(fm)->setText("5");
    Button(fm, "OKButt")->click();
    EXPECT_EQ(fm.result(), QDialog::Accepted);
    EXPECT_EQ(fm.IDText(), "FFFFFFF5");
}

TEST(FuseEditDialog, EscapeClosesAsCancelAndStillPads) {
    TFuseEditFM fm;
    fm.SetIDMaxLength(4);
    fm.show();
    IDBox(fm)->setText("B");
    Type(&fm, Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(fm.isVisible());
    EXPECT_EQ(fm.result(), QDialog::Rejected);
    EXPECT_EQ(fm.IDText(), "FFFB");
}

TEST(FuseEditDialog, IDBoxTakesHexDigitsUpperCasedOnly) {
    TFuseEditFM fm;
    fm.SetIDMaxLength(4);
    fm.SetIDVisible(true);
    fm.show();
    QLineEdit* id = IDBox(fm);
    id->clear();
    Type(id, Qt::Key_G, "g");
    Type(id, Qt::Key_Space, " ");
    EXPECT_EQ(id->text(), "");
    Type(id, Qt::Key_A, "a");
    Type(id, Qt::Key_1, "1");
    Type(id, Qt::Key_F, "F");
    EXPECT_EQ(id->text(), "A1F");
    Type(id, Qt::Key_Backspace, "\b");
    EXPECT_EQ(id->text(), "A1");
    Type(id, Qt::Key_C, "c");
    Type(id, Qt::Key_D, "d");
    Type(id, Qt::Key_E, "e"); // beyond the maximum length
    EXPECT_EQ(id->text(), "A1CD");
    // Pasted text passes the same rule.
    id->clear();
    id->insert("zz");
    EXPECT_EQ(id->text(), "");
    id->insert("be");
    EXPECT_EQ(id->text(), "BE");
}

TEST(FuseEditDialog, DefaultPicksFirstOptionsAndBlankIDWithoutClosing) {
    TFuseEditFM fm;
    FuseRows rows = Flash40PinRows();
    rows[1].selected = 2;
    rows[9].selected = 1;
    fm.LoadFuseRows(rows);
    fm.SetIDMaxLength(8);
    fm.SetIDText("12345678");
    fm.show();
    Button(fm, "DefButt")->click();
    EXPECT_TRUE(fm.isVisible());
    EXPECT_EQ(fm.IDText(), "FFFFFFFF");
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(Box(fm, n)->currentIndex(), 0) << n;
    fm.SetIDMaxLength(4);
    Button(fm, "DefButt")->click();
    EXPECT_EQ(fm.IDText(), "FFFF");
}
