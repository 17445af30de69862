// The board unplugged and plugged in again: the port closes by itself and
// opens again when the same server or the same by-id name is back.
#include "e2e_support.h"
#include "fake_machine.h"

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

constexpr const char* kById = "usb-Kitwerk_Programmer_K0001-if00-port0";

// Serves the window, running its 100 ms timer as fast as it is asked for.
bool Until(TestWindow& w, const std::function<bool()>& done) {
    return WaitFor([&] {
        if (w.Timer1->isActive())
            w.Timer1Timer();
        return done();
    });
}

std::string ReadInfo(MainWindowHarness& h, TestWindow& w) {
    const std::size_t before = h.dialogs.shown.size();
    w.ReadChipID1->trigger();
    WaitFor([&] { return h.dialogs.shown.size() > before && !w.Timer1->isActive(); }, 10);
    return h.dialogs.shown.size() > before ? h.dialogs.shown.back().text : std::string();
}

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
        return Until(*w, [&] { return w->StatusLabel->text() == "Birch_A board connected"; });
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
    EXPECT_EQ(ReadInfo(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_EQ(c.h.dialogs.shown.size(), 1u);
}

// Cut off in the middle of an operation: its one "not responding" box, and
// no failed reset after it while the board is away.
TEST(PortReturn, AnOperationCutOffShowsOneBox) {
    ServerSession c("e2e-return-cut");
    TestWindow& w = *c.w;
    c.sim.server.Stop();
    w.ReadChipID1->trigger();
    ASSERT_TRUE(Until(w, [&] { return !c.h.dialogs.shown.empty(); }));
    Until(w, [&] { return !w.Timer1->isActive(); });
    EXPECT_EQ(w.StatusLabel->text(), "Board unplugged");
    c.Restart();
    ASSERT_TRUE(c.Greeted());
    ASSERT_EQ(c.h.dialogs.shown.size(), 1u);
    EXPECT_EQ(c.h.dialogs.shown[0].text.rfind("The board is not responding", 0), 0u);
    EXPECT_EQ(w.PortReturn->Returns, 1);
    EXPECT_EQ(ReadInfo(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
}

// COM1 leads through a by-id link of a fake machine; the node behind it names
// the simulator's server, so the board answers through whatever the link
// reaches. The link and its folder go, as udev removes them with the last
// adapter, and come back.
TEST(PortReturn, TheSameByIdNameComingBackIsOpenedAgain) {
    MainWindowHarness h("e2e-return-byid");
    h.CopyShippedChipFile();
    FakeMachine machine;
    BoardOnCom1 sim(h, boardsim::Model::Birch_A, "16F628A");
    std::filesystem::rename(h.dir / "ports/com1", machine.root + "/dev/ttyUSB0");
    machine.LinkById(kById, "ttyUSB0");
    const std::string byId = machine.root + "/dev/serial/by-id/" + kById;
    std::filesystem::create_symlink(byId, h.dir / "ports/com1");
    h.WriteFile("pro.dat", SettingsFile(1));
    TestWindow& w = h.Start();
    ASSERT_TRUE(WaitForStatus(w, "Birch_A board connected"));
    w.ChipSelect->setCurrentIndex(w.FindChipCBText("16F628A"));
    w.ChipSelectChange();
    h.dialogs.shown.clear();

    std::filesystem::remove_all(machine.root + "/dev/serial");
    ASSERT_TRUE(WaitForStatus(w, "Board unplugged"));
    EXPECT_FALSE(w.Bench().PortOpen());
    machine.LinkById(kById, "ttyUSB0");
    ASSERT_TRUE(Until(w, [&] { return w.StatusLabel->text() == "Birch_A board connected"; }));
    EXPECT_EQ(w.PortReturn->Returns, 1);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(ReadInfo(h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
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
    c.h.WriteFile("ports/com3", url + "\n");
    w.StatusChanged("Ready");

    QTimer::singleShot(0, w.AssignPortsFm, [&] {
        const auto rows = w.AssignPortsFm->DeviceList->findItems(QString::fromStdString(url + " "),
                                                                 Qt::MatchStartsWith);
        ASSERT_EQ(rows.size(), 1);
        w.AssignPortsFm->DeviceList->setCurrentItem(rows[0]);
        w.AssignPortsFm->ComSelect->setCurrentIndex(0);
        w.AssignPortsFm->AssignButt->click();
    });
    w.AssignPorts1->trigger();
    EXPECT_EQ(c.h.ReadFile("ports/com1"), url + "\n");
    ASSERT_TRUE(c.Greeted());
    c.sim.server.Stop();
    EXPECT_EQ(ReadInfo(c.h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
    EXPECT_EQ(w.StatusLabel->text(), "Ready");
    EXPECT_EQ(c.h.dialogs.shown.size(), 1u);
    otherServer.Stop();
}

} // namespace
