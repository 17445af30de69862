// The program's main window against the board simulator served as a network
// serial port on loopback: reset, greeting and style matching.
#include "window/main_window_harness.h"

#include "app/small_dialogs_fm.h"
#include "boardsim.h"
#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
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

bool WaitForStatus(TProjFm& w, const std::string& status) {
    const bool seen = WaitFor([&] { return w.StatusLabel->text().toStdString() == status; });
    if (!seen)
        ADD_FAILURE() << "status line: " << w.StatusLabel->text().toStdString();
    return seen;
}

// File > Port with `value` typed into the port dialog and OK pressed; `check`
// looks at the dialog first.
void ChoosePort(TProjFm& w, const QString& value, const std::function<void()>& check = {}) {
    QTimer::singleShot(0, w.PortFm, [&w, value, check] {
        if (check)
            check();
        w.PortFm->PortEdit->setText(value);
        w.PortFm->BitBtn1->click();
    });
    w.Port1Click();
}

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
    EXPECT_TRUE(WaitForStatus(w, "Cedar board connected"));
    EXPECT_FALSE(w.Engine->ResetPending);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(BoardConnection, ADifferentBoardSwitchesTheStyleAndIsResetAgain) {
    MainWindowHarness h("e2e-switch");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Alder);
    h.WriteFile("pro.dat", Settings(3));
    TProjFm& w = h.Start();
    EXPECT_TRUE(WaitForStatus(w, "Alder board connected"));
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown[0],
              (ScriptedDialogs::Shown{"information", "Program mode = Cedar, connected board = "
                                                     "Alder.\r\rWill attempt to match the board"}));
    EXPECT_EQ(w.Engine->ProgrammerStyle, 0);
    EXPECT_TRUE(w.AlderItem->isChecked());
    EXPECT_EQ(w.windowTitle(), "Kitwerk Alder v030403 ");
    EXPECT_FALSE(w.ICSPMode1->isEnabled());
}

// A Cedar board rests with DTR low, so the closed port holds it running and
// Serial On's pulse gives exactly one greeting.
TEST(BoardConnection, SerialOffThenOnResetsTheBoardWhichGreetsAgain) {
    MainWindowHarness h("e2e-serialoff");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Cedar);
    h.WriteFile("pro.dat", Settings(3));
    TProjFm& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Cedar board connected"));
    w.SerialOff1->trigger();
    EXPECT_EQ(w.SerialOff1->text(), "Serial &On");
    EXPECT_FALSE(w.ComLabel->isEnabled());
    w.SetStatus("Ready");
    w.SerialOff1->trigger();
    EXPECT_EQ(w.SerialOff1->text(), "Serial &Off");
    EXPECT_TRUE(w.ComLabel->isEnabled());
    EXPECT_FALSE(w.ChipSelect->isEnabled()); // until the board has answered
    EXPECT_TRUE(WaitForStatus(w, "Cedar board connected"));
    EXPECT_TRUE(w.ChipSelect->isEnabled());
    for (const auto& shown : h.dialogs.shown)
        ADD_FAILURE() << shown.kind << ": " << shown.text;
}

TEST(BoardConnection, PortZeroIsRefusedAndTheOpenPortStaysOpen) {
    MainWindowHarness h("e2e-port0");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Birch_A);
    h.WriteFile("pro.dat", Settings(1));
    TProjFm& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    // The dialog offers the current port.
    ChoosePort(w, "0", [&] { EXPECT_EQ(w.PortFm->PortEdit->text(), "1"); });
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(
        h.dialogs.shown[0],
        (ScriptedDialogs::Shown{"error", "There appears to be a problem accessing the COM Port"}));
    EXPECT_EQ(w.ComLabel->text(), "COM x");
    EXPECT_TRUE(w.Serial1->Active());
    EXPECT_EQ(w.Serial1->Port(), 1);
}

// The README's first session with the simulator: no settings yet, so no port
// is open and the style is Birch_A. The user picks Elm (that reset finds no
// port and says so), then port 1, and the board answers. The next start finds
// both in the settings.
TEST(BoardConnection, FirstSessionPicksTheStyleThenThePort) {
    MainWindowHarness h("e2e-first");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Elm);
    TProjFm& w = h.Start();
    w.ElmItem->trigger();
    for (int i = 0; i < 15; ++i)
        w.Timer1Timer();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_NE(h.dialogs.shown[1].text.find("currently [ None ]"), std::string::npos);
    ChoosePort(w, "1");
    EXPECT_EQ(w.ComLabel->text(), "COM 1");
    EXPECT_TRUE(WaitForStatus(w, "Elm board connected"));
    EXPECT_TRUE(w.ChipSelect->isEnabled());
    EXPECT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_TRUE(h.Close());
    const std::string settings = h.ReadFile("pro.dat");
    EXPECT_EQ(settings.substr(0, 3), "1\r\n");
    EXPECT_EQ(settings.substr(settings.size() - 3), "4\r\n");
}
