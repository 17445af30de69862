// The board unplugged and plugged in again: the port closes by itself and
// opens again when the same server is back (the same by-id name: in
// port_return_by_id_e2e_test.cpp).
#include "e2e_support.h"
#include "test_platform.h"

#include "app/assign_ports_fm.h"
#include "app/port_return_fm.h"
#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace e2e;

// Connected to a Birch_A board whose server is stopped and started again
// at will; the port is tried again every 20 ms.
struct ServerSession : Connected {
    explicit ServerSession(const char* name) : Connected(name, "16F628A") {
        w->PortReturn->RetryMs = 20;
        h.dialogs.shown.clear();
    }
    void Restart() {
        std::string error;
        ASSERT_TRUE(sim.server.Start("127.0.0.1", port, error)) << error;
    }
    bool Greeted() {
        return RunTimerUntil(*w,
                             [&] { return w->StatusLabel->text() == "Birch_A board connected"; });
    }
    const int port = sim.server.Port();
};

TEST(PortReturn, AServerThatGoesAndComesBackIsOpenedAgainOnce) {
    ServerSession c("e2e-return-server");
    TestWindow& w = *c.w;
    c.sim.server.Stop();
    ASSERT_TRUE(WaitForStatus(w, "Board unplugged"));
    EXPECT_FALSE(w.Bench().PortOpen());
    EXPECT_FALSE(w.ComLabel->isEnabled());
    c.Restart();
    ASSERT_TRUE(c.Greeted());
    EXPECT_TRUE(w.Bench().PortOpen());
    EXPECT_EQ(w.PortReturn->Returns, 1);
    EXPECT_TRUE(c.h.dialogs.shown.empty());
    EXPECT_EQ(ReadInfoBox(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_EQ(c.h.dialogs.shown.size(), 1u);
}

// Cut off in the middle of an operation: its one "not responding" box, and
// no failed reset after it while the board is away.
TEST(PortReturn, AnOperationCutOffShowsOneBox) {
    ServerSession c("e2e-return-cut");
    TestWindow& w = *c.w;
    c.sim.server.Stop();
    w.ReadChipID1->trigger();
    ASSERT_TRUE(RunTimerUntil(w, [&] { return !c.h.dialogs.shown.empty(); }));
    RunTimerUntil(w, [&] { return !w.Timer1->isActive(); });
    EXPECT_EQ(w.StatusLabel->text(), "Board unplugged");
    c.Restart();
    ASSERT_TRUE(c.Greeted());
    ASSERT_EQ(c.h.dialogs.shown.size(), 1u);
    EXPECT_EQ(c.h.dialogs.shown[0].text.rfind("The board is not responding", 0), 0u);
    EXPECT_EQ(w.PortReturn->Returns, 1);
    EXPECT_EQ(ReadInfoBox(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
}

// Another server assigned to the port in use: the port is opened on it at
// once and its board greets; the first server may then go.
TEST(PortReturn, AssigningThePortInUseOpensItOnTheNewDevice) {
    ServerSession c("e2e-assign-current");
    TestWindow& w = *c.w;
    boardsim::Board other(boardsim::Model::Birch_A, SocketChip("16F628A"));
    boardsim::Rfc2217Server otherServer(other);
    std::string error;
    ASSERT_TRUE(otherServer.Start("127.0.0.1", 0, error)) << error;
    const std::string url = "rfc2217://127.0.0.1:" + std::to_string(otherServer.Port());
    c.h.WriteFile(PortsEntry(3), url + "\n");
    w.StatusChanged({StatusWord::Ready});

    QTimer::singleShot(0, w.AssignPortsFm, [&] {
        const auto rows = w.AssignPortsFm->DeviceList->findItems(QString::fromStdString(url + " "),
                                                                 Qt::MatchStartsWith);
        ASSERT_EQ(rows.size(), 1);
        w.AssignPortsFm->DeviceList->setCurrentItem(rows[0]);
        w.AssignPortsFm->ComSelect->setCurrentIndex(0);
        w.AssignPortsFm->AssignButt->click();
    });
    w.AssignPorts1->trigger();
    // One line, ended as the system's text files end theirs.
    EXPECT_EQ(c.h.ReadFile(PortsEntry(1)), url + (testplatform::kWindows ? "\r\n" : "\n"));
    ASSERT_TRUE(c.Greeted());
    c.sim.server.Stop();
    EXPECT_EQ(ReadInfoBox(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_EQ(w.StatusLabel->text(), "Ready");
    EXPECT_EQ(c.h.dialogs.shown.size(), 1u);
    otherServer.Stop();
}

} // namespace
