// The program's main window against the board simulator served as a network
// serial port on loopback: reset, greeting and style matching.
#include "window/main_window_harness.h"

#include "boardsim.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

namespace {
// Serves the events of the window until `done` or about three seconds pass.
bool WaitFor(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

class BoardOnCom1 {
public:
    BoardOnCom1(MainWindowHarness& h, boardsim::Model model)
        : board(model, boardsim::Chip()), server(board) {
        std::string error;
        EXPECT_TRUE(server.Start("127.0.0.1", 0, error)) << error;
        std::filesystem::create_directories(h.dir / "ports");
        h.WriteFile("ports/com1", "rfc2217://127.0.0.1:" + std::to_string(server.Port()) + "\n");
    }
    ~BoardOnCom1() { server.Stop(); }
    boardsim::Board board;
    boardsim::Rfc2217Server server;
};

std::string Settings(int style) {
    return "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n" + std::to_string(style) + "\r\n";
}
} // namespace

TEST(BoardConnection, AMatchingBoardGreetsAndIsReportedConnected) {
    MainWindowHarness h("e2e-match");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Cedar);
    h.WriteFile("pro.dat", Settings(3));
    TProjFm& w = h.Start();
    EXPECT_EQ(w.ComLabel->text(), "COM 1");
    EXPECT_TRUE(WaitFor([&] { return w.StatusLabel->text() == "Cedar board connected"; }))
        << w.StatusLabel->text().toStdString();
    EXPECT_FALSE(w.ResetPending);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(BoardConnection, ADifferentBoardSwitchesTheStyleAndIsResetAgain) {
    MainWindowHarness h("e2e-switch");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Alder);
    h.WriteFile("pro.dat", Settings(3));
    TProjFm& w = h.Start();
    EXPECT_TRUE(WaitFor([&] { return w.StatusLabel->text() == "Alder board connected"; }))
        << w.StatusLabel->text().toStdString();
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown[0],
              (ScriptedDialogs::Shown{"information", "Program mode = Cedar, connected board = "
                                                     "Alder.\r\rWill attempt to match the board"}));
    EXPECT_EQ(w.ProgrammerStyle, 0);
    EXPECT_TRUE(w.AlderItem->isChecked());
    EXPECT_EQ(w.windowTitle(), "Kitwerk Alder v030403 ");
    EXPECT_FALSE(w.ICSPMode1->isEnabled());
}
