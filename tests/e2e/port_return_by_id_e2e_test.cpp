// The board unplugged and plugged in again through a device link: the port
// opens again when the same by-id name is back. Linux alone: a machine's
// /dev/serial/by-id, faked in a folder (fake_machine.h).
#include "e2e_support.h"
#include "fake_machine.h"

#include "link/serial.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>

namespace {
using namespace e2e;

constexpr const char* kById = "usb-Kitwerk_Programmer_K0001-if00-port0";

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
    w.ChipSelect->setCurrentIndex(w.Bench().FindChip("16F628A"));
    w.ChipSelectChange();
    h.dialogs.shown.clear();

    std::filesystem::remove_all(machine.root + "/dev/serial");
    ASSERT_TRUE(WaitForStatus(w, "Board unplugged"));
    EXPECT_FALSE(w.Bench().PortOpen());
    machine.LinkById(kById, "ttyUSB0");
    ASSERT_TRUE(
        RunTimerUntil(w, [&] { return w.StatusLabel->text() == "Birch_A board connected"; }));
    EXPECT_EQ(w.PortReturn->Returns, 1);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(ReadInfoBox(h, w), "[16F628A]   Version 0\r\rChip ID = 1060");
}

} // namespace
