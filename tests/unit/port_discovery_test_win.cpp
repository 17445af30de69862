// Port discovery on Windows: a port the registry's map of serial ports names
// is listed though the device manager does not know it (as ports of virtual
// port drivers are), and a COM port that is not there is not present.
#include "link/com_names.h"
#include "link/port_discovery.h"

#include <algorithm>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* kSerialComm = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr const wchar_t* kTestDevice = L"\\Device\\TessaroTest";

TEST(PortDiscoveryWindows, ThePortsOfTheSerialMapAreListedInOrder) {
    HKEY map = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSerialComm, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_SET_VALUE, nullptr, &map, nullptr) != ERROR_SUCCESS)
        GTEST_SKIP() << "the map of serial ports is written by administrators only";
    const wchar_t port[] = L"COM27";
    RegSetValueExW(map, kTestDevice, 0, REG_SZ, reinterpret_cast<const BYTE*>(port), sizeof port);
    const std::vector<SerialDevice> devices = DiscoverSerialDevices("", CurrentPortUser());
    RegDeleteValueW(map, kTestDevice);
    RegCloseKey(map);

    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [](const SerialDevice& d) { return d.path == "COM27"; });
    ASSERT_NE(found, devices.end());
    EXPECT_FALSE(found->usb);
    EXPECT_TRUE(found->canOpen);
    EXPECT_EQ(DeviceDescription(*found), "built-in port (\\Device\\TessaroTest)");
    EXPECT_EQ(AccessAdvice(*found), "");
    EXPECT_TRUE(std::is_sorted(devices.begin(), devices.end(),
                               [](const SerialDevice& a, const SerialDevice& b) {
                                   return std::stoi(a.name.substr(3)) < std::stoi(b.name.substr(3));
                               }));
}

TEST(PortDiscoveryWindows, AComPortThatIsNotThereIsNotPresent) {
    EXPECT_EQ(DefaultComDevice(12), "\\\\.\\COM12");
    EXPECT_EQ(PresentDevice(DefaultComDevice(249)), "");
    SerialDevice ftdi;
    ftdi.name = "COM5";
    ftdi.latencyMs = 16;
    EXPECT_NE(LatencyAdvice(ftdi).find("Latency Timer"), std::string::npos);
    ftdi.latencyMs = 1;
    EXPECT_EQ(LatencyAdvice(ftdi), "");
}

} // namespace
