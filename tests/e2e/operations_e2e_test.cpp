// The program's window driving a simulated board over a network serial port:
// the whole path of a user's click, from the button through the serial
// component's thread and the engine to the board and back.
#include "e2e_support.h"

#include "app/fuse_edit_fm.h"
#include "app/port_return_fm.h"
#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace e2e;

struct Session : Connected {
    using Connected::Connected;
    // Runs a command and waits until it has shown a box and the program is idle.
    std::string Run(const std::function<void()>& command) {
        const std::size_t before = h.dialogs.shown.size();
        command();
        WaitFor([&] { return h.dialogs.shown.size() > before && !w->Timer1->isActive(); }, 10);
        return h.dialogs.shown.size() > before ? h.dialogs.shown.back().text : std::string();
    }
};

TEST(Operations, ReadChipInfoShowsTheChipInTheSocket) {
    Session s("e2e-chipinfo", "16F628A");
    EXPECT_EQ(s.Run([&] { s.w->ReadChipID1->trigger(); }),
              "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_TRUE(s.w->ChipSelect->isEnabled());
}

TEST(Operations, ProgramVerifyAndReadBackThroughTheWindow) {
    Session s("e2e-program", "16F628A");
    TestWindow& w = *s.w;
    w.Bench().ResetImage({false, false, true}); // a blank image, as a HEX load starts
    for (int i = 0; i < 40; ++i)
        w.Image.ROMData[static_cast<std::size_t>(i)] = 0x3000 + i;
    w.Image.EEPROMData[5] = 0x99;
    w.Image.FuseValue[1] = 0x3F10;
    w.Image.IDText = "C0DE"; // the ID digits go with the image
    EXPECT_EQ(s.Run([&] { w.ProgButt->click(); }), "Programming complete.");
    s.sim.server.WithBoard([](boardsim::Board& b) {
        EXPECT_EQ(b.chip().Rom(39), 0x3000 + 39);
        EXPECT_EQ(b.chip().Eeprom(5), 0x99);
        EXPECT_EQ(b.chip().Config(0), 0x3F10);
    });
    EXPECT_EQ(s.Run([&] { w.VerfButt->click(); }), "Data verified");
    // A configuration word that differs: the box as ever, then the options on the status line.
    w.Image.FuseValue[1] = 0x3F14;
    EXPECT_EQ(s.Run([&] { w.VerfButt->click(); }), "Fuse error 0x2007\r\rGood 0x3F14\rBad 0x3F10");
    WaitForStatus(w, "Watchdog: file Enabled, chip Disabled");
    w.Image.FuseValue[1] = 0x3F10;
    w.ReadButt->click();
    EXPECT_TRUE(WaitFor([&] { return w.Image.DataChanged && !w.Timer1->isActive(); }, 10));
    EXPECT_EQ(w.Image.ROMData.size(), 0x800u);
    EXPECT_EQ(w.Image.ROMData[39], 0x3000 + 39);
    EXPECT_EQ(w.FuseEditFM->IDText(), "C0DE");
    EXPECT_FALSE(w.CodeLines.empty());
    EXPECT_EQ(w.StatusLabel->text(), "Ready");
}
// Another chip of the list in the socket: the question names it; after No the
// window offers to select it, loads the file again for it and programs it.
// The offer stays one box while the timer and the port go on inside it.
TEST(Operations, TheChipInTheSocketIsNamedAndSelectedToTryAgain) {
    Session s("e2e-socket-chip", "16F648A");
    TestWindow& w = *s.w;
    w.Bench().ChooseChip(w.Bench().FindChip("16F628A"));
    s.h.WriteFile("blink.hex", ":0400000005280000CF\r\n:00000001FF\r\n");
    ASSERT_TRUE(w.Bench().LoadImage(false, FileChoice::Named((s.h.dir / "blink.hex").string())));
    s.h.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    s.h.dialogs.whileOpen = [](const ScriptedDialogs::Shown&) {
        QEventLoop open;
        QTimer::singleShot(250, &open, &QEventLoop::quit);
        open.exec();
    };
    EXPECT_EQ(s.Run([&] { w.ProgButt->click(); }), "Programming complete.");
    EXPECT_EQ(
        s.h.dialogs.Texts(),
        (std::vector<std::string>{"The programmer does not recognise the [16F628A]\r\rThe "
                                  "chip in the socket reports the ID of a 16F648A.\r\r"
                                  "Continue anyway?",
                                  "Select the [16F648A] and try again?", "Programming complete."}));
    EXPECT_EQ(w.ChipSelect->currentText(), "16F648A");
    s.sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(0), 0x2805); });
}
} // namespace

// The network serial server goes away in the middle of a session: the silence
// is reported once, and no reset is tried while it is away. Serial Off stops
// waiting for it; Serial On connects again.
TEST(Operations, ABoardThatGoesAwayIsFoundAgainAfterSerialOffAndOn) {
    Session s("e2e-gone", "16F628A");
    TestWindow& w = *s.w;
    w.PortReturn->RetryMs = 20;
    const int port = s.sim.server.Port();
    s.sim.server.Stop();
    w.ReadChipID1->trigger();
    ASSERT_TRUE(
        WaitFor([&] { return s.h.dialogs.shown.size() == 1 && !w.Timer1->isActive(); }, 10));
    EXPECT_EQ(s.h.dialogs.shown[0].text, "The board is not responding\rAbout to apply reset...");
    EXPECT_EQ(w.StatusLabel->text(), "Board unplugged");
    EXPECT_TRUE(w.ChipSelect->isEnabled());

    w.SerialOff1->trigger();
    EXPECT_EQ(w.SerialOff1->text(), "Serial &On");
    std::string error;
    ASSERT_TRUE(s.sim.server.Start("127.0.0.1", port, error)) << error;
    // Retries would come every 20 ms.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(45);
    WaitFor([&] { return std::chrono::steady_clock::now() >= until; });
    EXPECT_FALSE(w.Bench().PortOpen());
    w.SerialOff1->trigger();
    EXPECT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    EXPECT_EQ(s.Run([&] { w.ReadChipID1->trigger(); }), "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_EQ(s.h.dialogs.shown.size(), 2u);
    EXPECT_EQ(w.PortReturn->Returns, 0);
}

// A Cancel in the middle of a program paced at 19200 baud: the window's event
// loop serves the board's words and the user alike, so the Cancel is taken
// between two words and honoured at the board's next 'Y': at most the word
// already on its way reaches the board after it.
TEST(Operations, CancelDuringAPacedProgramIsHonouredAtTheNextWord) {
    Session s("e2e-cancel", "16F877A");
    TestWindow& w = *s.w;
    s.sim.server.WithBoard([](boardsim::Board& b) { b.SetPacing({true, 19200, 0, 0}); });
    w.Bench().ResetImage({false, false, true});
    for (std::size_t i = 0; i < w.Image.ROMData.size(); ++i)
        w.Image.ROMData[i] = static_cast<int>(i & 0x3FFF);
    std::size_t words = 0;
    auto wordsArrived = [&] {
        s.sim.server.WithBoard([&](boardsim::Board& b) { words += b.TakeTurnarounds().size(); });
        return words;
    };
    w.ProgButt->click();
    ASSERT_TRUE(WaitFor([&] { return wordsArrived() >= 40; }, 10));
    const std::size_t atCancel = wordsArrived();
    w.Cancel1->trigger();
    EXPECT_TRUE(WaitFor([&] { return w.Bench().LastOutcome() == Outcome::Cancelled; }));
    EXPECT_TRUE(WaitFor([&] { return !w.Timer1->isActive(); }));
    EXPECT_LE(wordsArrived(), atCancel + 1);
    EXPECT_TRUE(w.ProgButt->isEnabled());
}

// The Run button does what Programmer > Run does: the automatic loop, which
// waits for a chip with the controls free, ends at its click.
TEST(Operations, TheRunButtonEndsTheAutomaticLoopAsProgrammerRunDoes) {
    MainWindowHarness h("e2e-run");
    h.CopyShippedChipFile();
    BoardOnCom1 sim(h, boardsim::Model::Elm);
    h.WriteFile("pro.dat", SettingsFile(4));
    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Elm board connected"));
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F628A"));
    w.ChipSelectChange();
    w.User1Click();
    w.Bench().ResetImage({false, false, true});
    w.Image.ROMData[0] = 0x3000;
    sim.server.WithBoard([](boardsim::Board& b) { b.RemoveChip(); });
    w.AutoProgram1->trigger();
    ASSERT_TRUE(WaitForStatus(w, "Waiting for chip insertion..."));
    ASSERT_TRUE(w.RunButt->isEnabled());
    w.RunButt->click();
    EXPECT_TRUE(WaitFor([&] { return !w.Bench().AutoProgramOn() && !w.Timer1->isActive(); }));
    EXPECT_EQ(w.Bench().LastOutcome(), Outcome::Cancelled);
    EXPECT_FALSE(w.AutoProgram1->isChecked());
}
