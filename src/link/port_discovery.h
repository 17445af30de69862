#pragma once

#include <functional>
#include <string>
#include <vector>

// The serial devices of this machine as the kernel describes them in sysfs,
// with their stable names under /dev/serial/by-id/.

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
    std::string name;   // ttyUSB0
    std::string path;   // /dev/ttyUSB0
    std::string byId;   // /dev/serial/by-id/...; empty when there is none
    std::string driver; // ftdi_sio, cp210x, cdc_acm, serial, ...
    bool usb = false;
    std::string vendorId; // four hex digits, USB devices only
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    int latencyMs = -1;      // the adapter's latency timer; -1 when it has none
    std::string latencyFile; // where it is set (/sys/bus/usb-serial/devices/NAME/latency_timer)
    bool present = true;     // the device node exists
    bool canOpen = false;    // this user may read and write the device node
    std::string group;       // the group that owns the device node
    bool inGroup = false;    // the user is in that group now
    bool inGroupAtLogin = false;
};

// Every serial device under root (empty: the machine itself; otherwise a
// folder holding sys/ and dev/ as the machine has them), ordered by kind and
// number. ttyS ports count only when a UART stands behind them.
std::vector<SerialDevice> DiscoverSerialDevices(const std::string& root, const PortUser& user);

// Sets the adapter's latency timer to 1 ms; false when it could not.
bool LowerLatencyTimer(const std::string& root, SerialDevice& device);

// "FTDI FT232R USB UART (0403:6001, serial A1B2)" or "built-in port (serial)".
std::string DeviceDescription(const SerialDevice& device);

// Why this user cannot open the device and how to fix it; empty when it can.
std::string AccessAdvice(const SerialDevice& device);

// The command that lowers a latency timer above 1 ms; empty when there is
// nothing to lower.
std::string LatencyAdvice(const SerialDevice& device);

// The name a ports/ link should lead to: the by-id name when there is one.
inline const std::string& StableName(const SerialDevice& device) {
    return device.byId.empty() ? device.path : device.byId;
}
