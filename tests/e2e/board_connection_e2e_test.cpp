// The program's main window against the board simulator served as a network
// serial port on loopback: reset, greeting and style matching.
#include "e2e_support.h"

#include "app/small_dialogs_fm.h"
#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace e2e;

// File > Port with `value` typed into the port dialog and OK pressed; `check`
// looks at the dialog first.
void ChoosePort(TestWindow& w, const QString& value, const std::function<void()>& check = {}) {
    QTimer::singleShot(0, w.PortFm, [&w, value, check] {
        if (check)
            check();
        w.PortFm->PortEdit->setText(value);
        w.PortFm->BitBtn1->click();
    });
    w.Port1Click();
}

} // namespace

TEST(BoardConnection, AMatchingBoardGreetsAndIsReportedConnected) {
    MainWindowHarness h("e2e-match");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Cedar);
    h.WriteFile("pro.dat", SettingsFile(3));
    TestWindow& w = h.Start();
    EXPECT_EQ(w.ComLabel->text(), "COM 1");
    EXPECT_TRUE(WaitForStatus(w, "Cedar board connected"));
    EXPECT_FALSE(w.Bench().ResetPending());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(BoardConnection, ADifferentBoardSwitchesTheStyleAndIsResetAgain) {
    MainWindowHarness h("e2e-switch");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Alder);
    h.WriteFile("pro.dat", SettingsFile(3));
    TestWindow& w = h.Start();
    EXPECT_TRUE(WaitForStatus(w, "Alder board connected"));
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown[0],
              (ScriptedDialogs::Shown{"information", "Program mode = Cedar, connected board = "
                                                     "Alder.\r\rWill attempt to match the board"}));
    EXPECT_EQ(w.Bench().Style(), 0);
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
    h.WriteFile("pro.dat", SettingsFile(3));
    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Cedar board connected"));
    w.SerialOff1->trigger();
    EXPECT_EQ(w.SerialOff1->text(), "Serial &On");
    EXPECT_FALSE(w.ComLabel->isEnabled());
    EXPECT_TRUE(w.ComLabel->toolTip().isEmpty());
    w.StatusChanged({StatusWord::Ready});
    w.SerialOff1->trigger();
    EXPECT_EQ(w.SerialOff1->text(), "Serial &Off");
    EXPECT_TRUE(w.ComLabel->isEnabled());
    EXPECT_FALSE(w.ComLabel->toolTip().isEmpty());
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
    h.WriteFile("pro.dat", SettingsFile(1));
    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    // The dialog offers the current port.
    ChoosePort(w, "0", [&] { EXPECT_EQ(w.PortFm->PortEdit->text(), "1"); });
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(
        h.dialogs.shown[0],
        (ScriptedDialogs::Shown{"error", "There appears to be a problem accessing the COM Port"}));
    EXPECT_EQ(w.ComLabel->text(), "COM x");
    EXPECT_TRUE(w.Bench().PortOpen());
    EXPECT_EQ(w.Bench().PortNumber(), 1);
}

// The README's first session with the simulator: no settings yet, so no port
// is open and the style is Birch_A. The user picks Elm (that reset finds no
// port and says so), then port 1, and the board answers. The next start finds
// both in the settings.
TEST(BoardConnection, FirstSessionPicksTheStyleThenThePort) {
    MainWindowHarness h("e2e-first");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Elm);
    TestWindow& w = h.Start();
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

// A Birch board rests with DTR high: the closed port held it in reset, so
// Serial On releases it (one greeting) and pulses it (another). (The engine's
// own tests hand both greetings over in one read, as a blocked window gets them.)
TEST(BoardConnection, BirchGreetsTwiceOnSerialOnAndIsConnected) {
    MainWindowHarness h("e2e-birch-on");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Birch_A);
    h.WriteFile("pro.dat", SettingsFile(1));
    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    w.SerialOff1->trigger();
    w.StatusChanged({StatusWord::Ready});
    w.SerialOff1->trigger();
    EXPECT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    WaitFor([] { return false; }, 2); // past the watchdog's 1.5 s
    EXPECT_FALSE(w.Timer1->isActive());
    for (const auto& shown : h.dialogs.shown)
        ADD_FAILURE() << shown.kind << ": " << shown.text;
}
