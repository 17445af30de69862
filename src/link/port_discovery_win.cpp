#include "link/port_discovery.h"

#include "platform/translate.h"
#include "platform/win_text.h"

#include <windows.h>

#include <setupapi.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The device setup class of serial and parallel ports.
const GUID kPortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
const std::wstring kEnumKey = L"SYSTEM\\CurrentControlSet\\Enum\\";
const std::string kMachine = "HKLM\\";

std::wstring StringValue(HKEY key, const wchar_t* name) {
    wchar_t text[256] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return text;
}

std::string Property(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
    wchar_t text[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, &info, property, nullptr,
                                           reinterpret_cast<BYTE*>(text), sizeof text - 2, nullptr))
        return {};
    return Utf8(text);
}

int ComNumber(const std::string& name) {
    return name.rfind("COM", 0) == 0 ? std::atoi(name.c_str() + 3) : 0;
}

// FTDI's driver keeps the latency timer in the port's device parameters.
void FillLatency(HKEY parameters, const std::string& instance, SerialDevice& d) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExW(parameters, L"LatencyTimer", nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return;
    d.latencyMs = static_cast<int>(value);
    d.latencyFile = kMachine + Utf8(kEnumKey) + instance + "\\Device Parameters";
}

// One port of the device manager's Ports class; false when it has no COM name
// (a printer port).
bool Describe(HDEVINFO set, SP_DEVINFO_DATA& info, SerialDevice& d) {
    HKEY parameters = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (parameters == INVALID_HANDLE_VALUE)
        return false;
    d.name = d.path = Utf8(StringValue(parameters, L"PortName"));
    wchar_t id[512] = {};
    const std::string instance =
        SetupDiGetDeviceInstanceIdW(set, &info, id, 511, nullptr) ? Utf8(id) : std::string();
    if (ComNumber(d.name) > 0)
        FillLatency(parameters, instance, d);
    RegCloseKey(parameters);
    if (ComNumber(d.name) <= 0)
        return false;
    d.driver = Property(set, info, SPDRP_SERVICE);
    if (UsbIdsFromInstance(instance, d)) {
        d.manufacturer = Property(set, info, SPDRP_MFG);
        // "USB Serial Port (COM3)": the name without the port it is on.
        d.product = Property(set, info, SPDRP_FRIENDLYNAME);
        const std::size_t own = d.product.rfind(" (" + d.name + ")");
        if (own != std::string::npos)
            d.product.erase(own);
    }
    d.present = true;
    d.canOpen = true; // a COM port has no owner: one in use fails when opened
    return true;
}

std::vector<SerialDevice> DeviceManagerPorts() {
    std::vector<SerialDevice> devices;
    HDEVINFO set = SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return devices;
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        SerialDevice d;
        if (Describe(set, info, d))
            devices.push_back(std::move(d));
    }
    SetupDiDestroyDeviceInfoList(set);
    return devices;
}

// Ports the device manager does not list under Ports (virtual port drivers,
// ports of a modem) are in the registry's map of serial devices.
void AddMappedPorts(std::vector<SerialDevice>& devices) {
    HKEY map = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &map) !=
        ERROR_SUCCESS)
        return;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = 256;
        if (RegEnumValueW(map, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        SerialDevice d;
        d.name = d.path = Utf8(StringValue(map, name));
        const bool known = std::any_of(devices.begin(), devices.end(),
                                       [&](const SerialDevice& e) { return e.name == d.name; });
        if (known || ComNumber(d.name) <= 0)
            continue;
        d.driver = Utf8(name); // \Device\Serial0: the driver's own name for it
        d.present = d.canOpen = true;
        devices.push_back(std::move(d));
    }
    RegCloseKey(map);
}

} // namespace

PortUser CurrentPortUser() {
    return {}; // a COM port is open to every user
}

std::vector<SerialDevice> DiscoverSerialDevices(const std::string&, const PortUser&) {
    std::vector<SerialDevice> devices = DeviceManagerPorts();
    AddMappedPorts(devices);
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return ComNumber(a.name) < ComNumber(b.name);
    });
    return devices;
}

bool LowerLatencyTimer(const std::string&, SerialDevice& device) {
    if (device.latencyMs <= kLatencyWanted)
        return true;
    if (device.latencyFile.rfind(kMachine, 0) != 0)
        return false;
    HKEY parameters = nullptr;
    const std::wstring key = Wide(device.latencyFile.substr(kMachine.size()));
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, &parameters) !=
        ERROR_SUCCESS)
        return false;
    const DWORD wanted = kLatencyWanted;
    const bool set =
        RegSetValueExW(parameters, L"LatencyTimer", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&wanted), sizeof wanted) == ERROR_SUCCESS;
    RegCloseKey(parameters);
    if (set)
        device.latencyMs = kLatencyWanted;
    return set;
}

std::string HowToLowerLatency(const SerialDevice& d) {
    return Arg(N_("Latency timer %1 ms slows the board down. Lower it to %2 ms in Device "
                  "Manager:\rPorts (COM & LPT), %3, Properties, Port Settings, Advanced, Latency "
                  "Timer."),
               d.latencyMs, kLatencyWanted, d.name);
}
