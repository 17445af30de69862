#pragma once

#include <functional>
#include <string>
#include <vector>

// The serial devices of this machine as the system describes them: on Linux
// the kernel in sysfs, with their stable names under /dev/serial/by-id/; on
// Windows the device manager (SetupAPI) and the registry's SERIALCOMM map.
// One file per platform; the texts made from them are shared.

// The latency timer a board's word-by-word turnaround wants, in ms.
inline constexpr int kLatencyWanted = 1;

// Who asks: the user's id and groups, and the groups the user will have after
// logging in again (the group file may list the user in a group this session
// does not have yet). groupName turns a group id into its name.
struct PortUser {
    unsigned uid = 0;
    std::vector<unsigned> groups;
    std::vector<unsigned> groupsAtLogin;
    std::function<std::string(unsigned)> groupName;
};

// The user running this program.
PortUser CurrentPortUser();

struct SerialDevice {
    std::string name;   // ttyUSB0; COM3 on Windows
    std::string path;   // /dev/ttyUSB0; COM3 on Windows
    std::string byId;   // /dev/serial/by-id/...; empty when there is none
    std::string driver; // ftdi_sio, cp210x, cdc_acm, serial, ...
    bool usb = false;
    std::string vendorId; // four hex digits, USB devices only
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    int latencyMs = -1;      // the adapter's latency timer; -1 when it has none
    std::string latencyFile; // where it is set (/sys/bus/usb-serial/devices/NAME/latency_timer;
                             // on Windows the device's registry key)
    bool present = true;     // the device node exists
    bool canOpen = false;    // this user may read and write the device node
    std::string group;       // the group that owns the device node
    bool inGroup = false;    // the user is in that group now
    bool inGroupAtLogin = false;
};

// Every serial device under root (empty: the machine itself; otherwise a
// folder holding sys/ and dev/ as the machine has them), ordered by kind and
// number. ttyS ports count only when a UART stands behind them. Windows: the
// COM ports in order of their numbers; root is not used.
std::vector<SerialDevice> DiscoverSerialDevices(const std::string& root, const PortUser& user);

// Sets the adapter's latency timer to 1 ms; false when it could not (on
// Windows only an administrator may, and the port takes it when next opened).
bool LowerLatencyTimer(const std::string& root, SerialDevice& device);

// "FTDI FT232R USB UART (0403:6001, serial A1B2)" or "built-in port (serial)".
std::string DeviceDescription(const SerialDevice& device);

// Why this user cannot open the device and how to fix it; empty when it can.
std::string AccessAdvice(const SerialDevice& device);

// The USB IDs in a Windows device instance ID: USB\VID_2341&PID_0043\SERIAL
// (the serial only when the device has one: a generated ID holds '&'), or an
// FTDI driver's FTDIBUS\VID_0403+PID_6001+SERIAL\0000. False for anything
// else (a built-in port's ACPI\PNP0501\1).
bool UsbIdsFromInstance(const std::string& instance, SerialDevice& device);

// What a latency timer above 1 ms costs and how to lower it; empty when there is
// nothing to lower.
std::string LatencyAdvice(const SerialDevice& device);
// The advice itself, in the system's own way (one file per platform).
std::string HowToLowerLatency(const SerialDevice& device);

// The name a ports/ link should lead to: the by-id name when there is one.
inline const std::string& StableName(const SerialDevice& device) {
    return device.byId.empty() ? device.path : device.byId;
}
