// The main window as the engine's host: the start-up that must not run again
// inside its own boxes, and the controls at the end of every operation.
#include "main_window_harness.h"

#include "platform/dialogs_qt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// Message boxes that stay open for a while, as a user reads them: the window's
// timer keeps firing inside them.
struct ReadingDialogs : ScriptedDialogs {
    void Information(const std::string& text) override {
        ScriptedDialogs::Information(text);
        Read();
    }
    void Error(const std::string& text) override {
        ScriptedDialogs::Error(text);
        Read();
    }
    void Read() {
        if (shown.size() > 6)
            return; // boxes without end: stop nesting so the test can fail
        QEventLoop loop;
        QTimer::singleShot(350, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

void ServeEventsUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(EngineWindow, TheStartUpRunsOnceEvenWhileItsBoxesAreOpen) {
    MainWindowHarness h("startup-once");
    ReadingDialogs boxes;
    h.boxes = &boxes;
    h.WriteFile("chipinfo.cid", "CHIPNAME=X\r\nINCLUDE=maybe\r\n"); // a broken chip file
    TestWindow& w = h.Start();                                      // and no port at all
    ServeEventsUntil([&] { return boxes.shown.size() >= 3; }, 20000);
    ServeEventsUntil([] { return false; }, 400); // nothing more comes
    std::vector<std::string> kinds;
    for (const auto& b : boxes.shown)
        kinds.push_back(b.text.substr(0, 20));
    EXPECT_EQ(kinds, (std::vector<std::string>{"There appears to be ", "Chip configuration f",
                                               "Reset failed. Please"}));
    EXPECT_FALSE(w.Timer1->isActive());
}

// The same with the toolkit's own message boxes, as the program shows them
// (on Windows: boxes of Windows's platform, drawn under Wine in the tests),
// each read for a while before its OK.
TEST(EngineWindow, TheToolkitsBoxesOfTheStartUpShowOnceEach) {
    MainWindowHarness h("startup-once-boxes");
    QtDialogs boxes;
    h.boxes = &boxes;
    h.WriteFile("chipinfo.cid", "CHIPNAME=X\r\nINCLUDE=maybe\r\n");
    std::vector<std::string> read;
    QTimer reader;
    QElapsedTimer openFor;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (!openFor.isValid()) {
            read.push_back(box->text().left(20).toStdString());
            openFor.start();
        } else if (openFor.elapsed() > 350) {
            openFor.invalidate();
            box->accept();
        }
    });
    reader.start(20);
    TestWindow& w = h.Start();
    ServeEventsUntil([&] { return read.size() >= 3 && !QApplication::activeModalWidget(); }, 20000);
    ServeEventsUntil([] { return false; }, 400); // nothing more comes
    EXPECT_EQ(read, (std::vector<std::string>{"There appears to be ", "Chip configuration f",
                                              "Reset failed. Please"}));
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST(EngineWindow, EveryEndOfAnOperationGivesICSPBackWhereTheStyleHasIt) {
    MainWindowHarness h("icsp-end");
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    for (int style = 0; style <= 4; ++style) {
        w.ICSPLabel->setText("ICSP");
        w.SetProgramVersion(style, false);
        // A style change switches ICSP mode off, label and all.
        EXPECT_TRUE(w.ICSPLabel->text().isEmpty());
        EXPECT_FALSE(w.ICSPMode1->isChecked());
        w.OperationStarted(Operation::AutoProgram);
        EXPECT_FALSE(w.ICSPMode1->isEnabled());
        EXPECT_EQ(w.AutoLabel->text(), "Auto");
        w.Bench().ReturnToIdle(false);
        EXPECT_EQ(w.ICSPMode1->isEnabled(), style >= 1 && style <= 3) << style;
        EXPECT_FALSE(w.AutoProgram1->isChecked());
        EXPECT_TRUE(w.AutoLabel->text().isEmpty());
    }
}
} // namespace

namespace {
TEST(EngineWindow, UserModeKeepsTheChipSelectorLockedAfterAnOperation) {
    MainWindowHarness h("user-mode-end");
    h.CopyShippedChipFile();
    h.WriteFile("pro.dat", "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n4\r\n"); // Elm
    TestWindow& w = h.Start();
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F628A"));
    w.ChipSelectChange();
    w.User1Click();
    ASSERT_FALSE(w.ChipSelect->isEnabled());
    w.Bench().ReturnToIdle(true);
    EXPECT_FALSE(w.ChipSelect->isEnabled());
    w.User1Click();
    w.Bench().ReturnToIdle(true);
    EXPECT_TRUE(w.ChipSelect->isEnabled());
}
} // namespace
