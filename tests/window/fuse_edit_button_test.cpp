#include "app/fuse_edit_fm.h"
#include "fuse_edit_window_rows.h"
#include "fuses/edit_fuses.h"
#include "fuses/fuse_messages.h"
#include "platform/scripted_dialogs.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct FuseButtonWindow : ::testing::Test {
    ScriptedDialogs dialogs;
    TFuseEditFM fm;
    ChipRecord chip;
    FuseWords words{0, 0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

    void SetUp() override {
        chip.WordMask = 0x3FFF;
        chip.FuseBlank = words;
        fm.LoadFuseRows(Flash40PinRows());
        fm.SetIDMaxLength(4);
        fm.SetIDVisible(true);
        fm.SetIDText("12");
    }

    QComboBox* Box(int n) const { return fm.findChild<QComboBox*>(QString("CB%1").arg(n)); }

    // Runs the Fuses button; the user's actions happen once the dialog is up.
    void ClickFuses(std::function<void()> user, const char* closeWith) {
        QTimer::singleShot(0, &fm, [this, user, closeWith] {
            user();
            fm.findChild<QPushButton*>(closeWith)->click();
        });
        EditFuses(dialogs, true, chip, words, fm);
    }
};

} // namespace

TEST_F(FuseButtonWindow, OkComposesTheChosenOptions) {
    std::string shownID;
    ClickFuses(
        [this, &shownID] {
            shownID = fm.IDText();
            Box(1)->setCurrentIndex(1); // HS
            Box(2)->setCurrentIndex(1); // watchdog off
            fm.findChild<QLineEdit*>("IDedit")->setText("7");
        },
        "OKButt");
    EXPECT_EQ(shownID, "12FF");
    EXPECT_EQ(words[1], 0x3FFA);
    EXPECT_EQ(fm.IDText(), "FFF7");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FuseButtonWindow, CancelRestoresSelectionsFromTheUnchangedWords) {
    words[1] = 0x3FFB & 0x1FFF; // watchdog off, code protected
    ClickFuses(
        [this] {
            Box(2)->setCurrentIndex(0);
            Box(9)->setCurrentIndex(0);
            Box(4)->setCurrentIndex(1);
            fm.findChild<QLineEdit*>("IDedit")->setText("ABCD");
        },
        "CancelButt");
    EXPECT_EQ(words[1], 0x1FFB);
    EXPECT_EQ(fm.IDText(), "12");
    EXPECT_EQ(Box(2)->currentIndex(), 1);
    EXPECT_EQ(Box(9)->currentIndex(), 1);
    EXPECT_EQ(Box(4)->currentIndex(), 0);
}

TEST_F(FuseButtonWindow, NoChipSelectedShowsNoDialog) {
    bool opened = false;
    QTimer::singleShot(0, &fm, [this, &opened] {
        opened = fm.isVisible();
        fm.reject();
    });
    EditFuses(dialogs, false, chip, words, fm);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{SelectChipText});
    EXPECT_FALSE(fm.isVisible());
    EXPECT_FALSE(opened);
}

// A picture of the editor with a full row set, written when TESSARO_SCREENSHOTS
// names a folder, for a person to look at.
TEST_F(FuseButtonWindow, FilledEditorFitsItsWindow) {
    fm.show();
    const QPixmap picture = fm.grab();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(604, 384));
    for (int n = 1; n <= 9; ++n) {
        QLabel* label = fm.findChild<QLabel*>(QString("CBLabel%1").arg(n));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << n;
    }
    const QByteArray folder = qgetenv("TESSARO_SCREENSHOTS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(folder) + "/fuse_editor.png"));
    }
    fm.hide();
}

TEST_F(FuseButtonWindow, ThirtyRowsLeaveTheIDLineFree) {
    FuseRows rows;
    for (int n = 1; n <= 30; ++n)
        rows[n] = FuseWindowRow("Config bit group " + std::to_string(n),
                                {{"Enabled", "FFFF"}, {"Disabled", "FFFE"}});
    fm.LoadFuseRows(rows);
    fm.SetIDMaxLength(8);
    fm.SetIDVisible(true);
    fm.SetIDText("0123ABCD");
    fm.show();
    const QRect lastLine = fm.findChild<QComboBox*>("CB30")->geometry();
    for (const char* name : {"IDLabel", "IDedit", "DefButt", "OKButt", "CancelButt"})
        EXPECT_GT(fm.findChild<QWidget*>(name)->y(), lastLine.bottom()) << name;
    const QByteArray folder = qgetenv("TESSARO_SCREENSHOTS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(fm.grab().save(QString::fromLocal8Bit(folder) + "/fuse_editor_full.png"));
    }
    fm.hide();
}
