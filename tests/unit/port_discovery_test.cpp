#include "fake_machine.h"
#include "link/port_discovery.h"

#include <gtest/gtest.h>

namespace {

const FakeUsbAdapter kFtdi{"ttyUSB0",  "ftdi_sio", "0403",
                           "6001",     "FTDI",     "FT232R USB UART",
                           "A10K1ABC", 16,         "usb-FTDI_FT232R_USB_UART_A10K1ABC-if00-port0"};
const FakeUsbAdapter kCp210x{"ttyUSB1",
                             "cp210x",
                             "10c4",
                             "ea60",
                             "Silicon Labs",
                             "CP2102 USB to UART Bridge Controller",
                             "0001",
                             -1,
                             "usb-Silicon_Labs_CP2102_0001-if00-port0"};
const FakeUsbAdapter kAcm{"ttyACM0", "cdc_acm", "04d8",
                          "000a",    "",        "CDC RS-232 Emulation Demo",
                          "",        -1,        "usb-04d8_CDC_RS-232_Emulation_Demo-if00"};

PortUser Outsider(std::vector<unsigned> groups = {}, std::vector<unsigned> atLogin = {}) {
    PortUser user;
    user.uid = 54321;
    user.groups = std::move(groups);
    user.groupsAtLogin = std::move(atLogin);
    user.groupName = [](unsigned) { return std::string("dialout"); };
    return user;
}

TEST(PortDiscovery, FindsAdaptersBoardsAndRealUartsWithTheirNames) {
    FakeMachine machine;
    machine.AddBuiltIn("ttyS0", 4);
    machine.AddBuiltIn("ttyS1", 0); // no UART behind it
    machine.AddVirtual("tty1");
    machine.AddUsb(kAcm);
    machine.AddUsb(kCp210x);
    machine.AddUsb(kFtdi);
    const std::vector<SerialDevice> found = DiscoverSerialDevices(machine.root, Outsider());
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].path, "/dev/ttyUSB0");
    EXPECT_EQ(found[1].path, "/dev/ttyUSB1");
    EXPECT_EQ(found[2].path, "/dev/ttyACM0");
    EXPECT_EQ(found[3].path, "/dev/ttyS0");

    const SerialDevice& ftdi = found[0];
    EXPECT_TRUE(ftdi.usb);
    EXPECT_EQ(ftdi.driver, "ftdi_sio");
    EXPECT_EQ(ftdi.byId, "/dev/serial/by-id/" + kFtdi.byId);
    EXPECT_EQ(ftdi.latencyMs, 16);
    EXPECT_EQ(ftdi.latencyFile, "/sys/bus/usb-serial/devices/ttyUSB0/latency_timer");
    EXPECT_EQ(DeviceDescription(ftdi), "FTDI FT232R USB UART (0403:6001, serial A10K1ABC)");

    EXPECT_EQ(found[1].driver, "cp210x");
    EXPECT_EQ(found[1].latencyMs, -1);
    EXPECT_EQ(found[1].product, kCp210x.product);
    EXPECT_EQ(StableName(found[1]), "/dev/serial/by-id/" + kCp210x.byId);

    EXPECT_EQ(found[2].driver, "cdc_acm");
    EXPECT_EQ(DeviceDescription(found[2]), "CDC RS-232 Emulation Demo (04d8:000a)");

    EXPECT_FALSE(found[3].usb);
    EXPECT_EQ(StableName(found[3]), "/dev/ttyS0");
    EXPECT_EQ(DeviceDescription(found[3]), "built-in port (serial8250)");
}

TEST(PortDiscovery, AccessFollowsTheNodesGroupAndSaysHowToJoinIt) {
    FakeMachine machine;
    machine.AddUsb(kFtdi);
    const unsigned gid = machine.NodeGroup("ttyUSB0");

    SerialDevice d = DiscoverSerialDevices(machine.root, Outsider()).at(0);
    EXPECT_FALSE(d.canOpen);
    EXPECT_EQ(AccessAdvice(d), "You may not open /dev/ttyUSB0: it belongs to the group dialout.\r"
                               "To fix it run: sudo adduser $USER dialout\r"
                               "then log out and in again.");

    d = DiscoverSerialDevices(machine.root, Outsider({}, {gid})).at(0);
    EXPECT_FALSE(d.canOpen);
    EXPECT_NE(AccessAdvice(d).find("added to that group after you logged in"), std::string::npos);

    d = DiscoverSerialDevices(machine.root, Outsider({gid})).at(0);
    EXPECT_TRUE(d.canOpen);
    EXPECT_EQ(AccessAdvice(d), "");

    machine.SetMode("ttyUSB0", 0600);
    EXPECT_FALSE(DiscoverSerialDevices(machine.root, Outsider({gid})).at(0).canOpen);
    machine.SetMode("ttyUSB0", 0666);
    EXPECT_TRUE(DiscoverSerialDevices(machine.root, Outsider()).at(0).canOpen);
}

TEST(PortDiscovery, LatencyTimerIsLoweredOrTheCommandIsGiven) {
    FakeMachine machine;
    machine.AddUsb(kFtdi);
    SerialDevice d = DiscoverSerialDevices(machine.root, Outsider()).at(0);
    EXPECT_EQ(LatencyAdvice(d),
              "Latency timer 16 ms slows the board down. Lower it with:\recho 1 | "
              "sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer");
    // The kernel's file sits under the port's device; the fake one under the
    // usb-serial bus is missing, so the write fails as it would without rights.
    EXPECT_FALSE(LowerLatencyTimer(machine.root, d));
    EXPECT_EQ(d.latencyMs, 16);
    const std::string bus = machine.root + "/sys/bus/usb-serial/devices/ttyUSB0";
    std::filesystem::create_directories(bus);
    std::ofstream(bus + "/latency_timer") << "16\n";
    EXPECT_TRUE(LowerLatencyTimer(machine.root, d));
    EXPECT_EQ(d.latencyMs, 1);
    EXPECT_EQ(LatencyAdvice(d), "");
}

} // namespace
