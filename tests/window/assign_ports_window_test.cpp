// File > Assign Ports: the devices of a fake machine, a COM number picked for
// one, and the link written where this copy keeps ports/.
#include "app/assign_ports_fm.h"
#include "fake_machine.h"
#include "main_window_harness.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const FakeUsbAdapter kWindowFtdi{
    "ttyUSB0",  "ftdi_sio", "0403",
    "6001",     "FTDI",     "FT232R USB UART",
    "A10K1ABC", 16,         "usb-FTDI_FT232R_USB_UART_A10K1ABC-if00-port0"};

// Opens the dialog, notes what it lists, picks `row` for `com` and assigns it.
std::vector<std::string> AssignWithDialog(TestWindow& w, int row, int com, std::string* advice) {
    std::vector<std::string> listed;
    QTimer::singleShot(0, w.AssignPortsFm, [&] {
        TAssignPortsFm& fm = *w.AssignPortsFm;
        for (int i = 0; i < fm.DeviceList->count(); ++i)
            listed.push_back(fm.DeviceList->item(i)->text().toStdString());
        fm.DeviceList->setCurrentRow(row);
        *advice = fm.AdviceLabel->text().toStdString();
        fm.ComSelect->setCurrentIndex(com - 1);
        fm.AssignButt->click();
    });
    w.AssignPorts1->trigger();
    return listed;
}

std::string LinkOf(const std::string& path) {
    return std::filesystem::read_symlink(path).string();
}

TEST(AssignPorts, LinksTheChosenDeviceByItsStableNameBesideTheProgram) {
    MainWindowHarness h("assign-ports");
    FakeMachine machine;
    machine.AddUsb(kWindowFtdi);
    machine.AddBuiltIn("ttyS0", 4);
    h.systemRoot = machine.root;
    h.CopyShippedChipFile();
    std::filesystem::create_directories(h.dir / "ports");
    h.WriteFile("ports/com3", "rfc2217://127.0.0.1:7000\n");
    TestWindow& w = h.Start();
    h.dialogs.shown.clear();

    std::string advice;
    const std::vector<std::string> listed = AssignWithDialog(w, 0, 2, &advice);
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "/dev/ttyUSB0  FTDI FT232R USB UART (0403:6001, serial A10K1ABC)",
                          "/dev/ttyS0  built-in port (serial8250)",
                          "rfc2217://127.0.0.1:7000  network serial server"}));
    const std::string latency = "Latency timer 16 ms slows the board down. Lower it with:\recho 1 "
                                "| sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer";
    EXPECT_EQ(QString::fromStdString(latency).replace('\r', '\n').toStdString(), advice);
    EXPECT_EQ(LinkOf(h.programDir + "ports/com2"),
              machine.root + "/dev/serial/by-id/" + kWindowFtdi.byId);
    // COM1 stays the current port: nothing is opened, the advice is given once.
    EXPECT_EQ(h.dialogs.Texts(), std::vector<std::string>{latency});

    // A server of ports/ for COM4: a one-line file.
    AssignWithDialog(w, 2, 4, &advice);
    EXPECT_EQ(h.ReadFile("ports/com4"), "rfc2217://127.0.0.1:7000\n");
    EXPECT_EQ(w.AssignPortsFm->ComSelect->itemText(1).toStdString(),
              "COM2  (now " + machine.root + "/dev/serial/by-id/" + kWindowFtdi.byId + ")");
}

TEST(AssignPorts, AnInstalledCopyWritesTheLinkInTheUsersConfigFolder) {
    MainWindowHarness h("assign-ports-installed");
    FakeMachine machine;
    machine.AddBuiltIn("ttyS0", 4);
    h.systemRoot = machine.root;
    h.CopyShippedChipFile();
    const std::string config = h.InstalledCopy();
    TestWindow& w = h.Start();
    std::string advice;
    AssignWithDialog(w, 0, 5, &advice);
    EXPECT_EQ(advice, "");
    EXPECT_EQ(LinkOf(config + "ports/com5"), machine.root + "/dev/ttyS0");
    EXPECT_FALSE(std::filesystem::exists(h.programDir + "ports/com5"));
}

TEST(AssignPorts, NothingFoundSaysSoAndAssignsNothing) {
    MainWindowHarness h("assign-ports-none");
    FakeMachine machine;
    h.systemRoot = machine.root;
    h.CopyShippedChipFile();
    TestWindow& w = h.Start();
    std::string advice;
    QTimer::singleShot(0, w.AssignPortsFm, [&] {
        advice = w.AssignPortsFm->AdviceLabel->text().toStdString();
        EXPECT_FALSE(w.AssignPortsFm->AssignButt->isEnabled());
        w.AssignPortsFm->CloseButt->click();
    });
    w.AssignPorts1->trigger();
    EXPECT_EQ(advice, "No serial device found. Plug in the programmer board and open this window "
                      "again.");
    EXPECT_FALSE(std::filesystem::exists(h.programDir + "ports/com1"));
}

} // namespace
