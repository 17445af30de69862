// The calibration dialog's Read and the fly window's Program against a
// simulated board on COM1.
#include "e2e_support.h"

#include "app/osccal_fm.h"
#include "app/small_dialogs_fm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace e2e;

TEST(DialogsE2E, TheCalibrationDialogReadsTheChipsValues) {
    Connected s("e2e-oscal", "12F675");
    s.w->Bench().ResetImage({false, false, true});
    TestWindow& w = *s.w;
    s.sim.server.WithBoard([](boardsim::Board& b) {
        b.chip().SetRom(0x3FF, 0x3454);
        b.chip().SetConfig(0, 0x21FF); // bandgap bits 13 and 12: 1 and 0
    });
    bool disabledWhileReading = false, enabledAfter = false;
    QString osc, bg;
    TOscCalFm& fm = *w.OscCalFm;
    QTimer::singleShot(0, &fm, [&] {
        fm.ReadButt->click();
        disabledWhileReading = !fm.Panel1->isEnabled();
        WaitFor([&] { return !w.Timer1->isActive(); }, 10);
        enabledAfter = fm.Panel1->isEnabled();
        osc = fm.OscEdit->text();
        bg = fm.BGedit->text();
        fm.reject();
    });
    w.OscalButtClick();
    EXPECT_TRUE(disabledWhileReading);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(osc, "54");
    EXPECT_EQ(bg, "10");
    EXPECT_EQ(w.Image.ROMData[0x3FF], 0x3FFF); // Cancel: the image keeps its word
}

TEST(DialogsE2E, TheFlyWindowProgramsAndItsCloseBringsTheMainWindowBack) {
    Connected s("e2e-fly", "16F628A");
    s.w->Bench().ResetImage({false, false, true});
    TestWindow& w = *s.w;
    w.Image.ROMData[3] = 0x2805;
    w.FlyWindow1->trigger();
    ASSERT_TRUE(w.FlyForm->isVisible());
    EXPECT_FALSE(w.isVisible());
    w.FlyForm->ProgButt->click();
    EXPECT_FALSE(w.FlyForm->ProgButt->isEnabled()); // no second start while it runs
    EXPECT_TRUE(WaitFor([&] { return !w.Timer1->isActive(); }, 10));
    EXPECT_EQ(s.h.dialogs.shown.back().text, "Programming complete.");
    s.sim.server.WithBoard([](boardsim::Board& b) { EXPECT_EQ(b.chip().Rom(3), 0x2805); });
    EXPECT_TRUE(w.FlyForm->ProgButt->isEnabled());
    w.FlyForm->close();
    EXPECT_TRUE(w.isVisible());
}
} // namespace
