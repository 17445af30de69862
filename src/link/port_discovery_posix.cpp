#include "link/port_discovery.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kKinds[] = {"ttyUSB", "ttyACM", "ttyAMA", "ttyS"};

std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

int KindOf(const std::string& name) {
    for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k)
        if (name.rfind(kKinds[k], 0) == 0 && name.size() > std::string(kKinds[k]).size())
            return k;
    return -1;
}

int NumberOf(const std::string& name) {
    return std::atoi(name.c_str() + std::string(kKinds[KindOf(name)]).size());
}

// ttyS ports exist for every UART the driver might find; one with type 0
// has none behind it.
bool HasHardware(const fs::path& classDir, const std::string& name) {
    std::error_code ec;
    if (!fs::exists(classDir / "device", ec))
        return false;
    if (name.rfind("ttyS", 0) != 0)
        return true;
    const std::string type = ReadAttribute(classDir / "type");
    return !type.empty() && type != "0";
}

// The driver of the port's device, or of the controller above it when the
// port is the serial core's own (newer kernels put one between a UART and
// its tty, driven by "port").
std::string DriverOf(const fs::path& deviceDir, const fs::path& root) {
    std::error_code ec;
    const fs::path devicesRoot = fs::weakly_canonical(root / "sys/devices", ec);
    for (fs::path dir = deviceDir; dir.has_relative_path() && dir != devicesRoot;
         dir = dir.parent_path()) {
        const fs::path driver = fs::canonical(dir / "driver", ec);
        if (ec)
            continue;
        if (driver.parent_path().parent_path().filename() != "serial-base")
            return driver.filename().string();
    }
    return {};
}

// Walks up from the port's device to the USB device that carries the IDs and
// strings. False when there is none below sys/devices.
bool FillUsb(const fs::path& deviceDir, const fs::path& devicesRoot, SerialDevice& d) {
    std::error_code ec;
    for (fs::path dir = deviceDir; dir.has_relative_path() && dir != devicesRoot;
         dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec))
            continue;
        d.usb = true;
        d.vendorId = ReadAttribute(dir / "idVendor");
        d.productId = ReadAttribute(dir / "idProduct");
        d.manufacturer = ReadAttribute(dir / "manufacturer");
        d.product = ReadAttribute(dir / "product");
        d.serialNumber = ReadAttribute(dir / "serial");
        return true;
    }
    return false;
}

// Name -> by-id link, from dev/serial/by-id.
void FillById(const fs::path& root, std::vector<SerialDevice>& devices) {
    std::error_code ec;
    for (const fs::directory_entry& link : fs::directory_iterator(root / "dev/serial/by-id", ec)) {
        const fs::path target = fs::read_symlink(link.path(), ec);
        if (ec)
            continue;
        for (SerialDevice& d : devices)
            if (target.filename() == d.name)
                d.byId = "/dev/serial/by-id/" + link.path().filename().string();
    }
}

bool Contains(const std::vector<unsigned>& ids, unsigned id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void FillAccess(const fs::path& node, const PortUser& user, SerialDevice& d) {
    struct stat info {};
    if (stat(node.c_str(), &info) != 0) {
        d.present = false;
        return;
    }
    d.group = user.groupName ? user.groupName(info.st_gid) : std::to_string(info.st_gid);
    d.inGroup = Contains(user.groups, info.st_gid);
    d.inGroupAtLogin = d.inGroup || Contains(user.groupsAtLogin, info.st_gid);
    const mode_t rw = S_IRUSR | S_IWUSR;
    if (user.uid == 0)
        d.canOpen = true;
    else if (info.st_uid == user.uid)
        d.canOpen = (info.st_mode & rw) == rw;
    else if (d.inGroup)
        d.canOpen = (info.st_mode & (rw >> 3)) == (rw >> 3);
    else
        d.canOpen = (info.st_mode & (rw >> 6)) == (rw >> 6);
}

SerialDevice Describe(const fs::path& root, const fs::path& classDir, const std::string& name,
                      const PortUser& user) {
    SerialDevice d;
    d.name = name;
    d.path = "/dev/" + name;
    std::error_code ec;
    const fs::path deviceDir = fs::canonical(classDir / "device", ec);
    if (!ec) {
        d.driver = DriverOf(deviceDir, root);
        FillUsb(deviceDir, fs::weakly_canonical(root / "sys/devices", ec), d);
        const std::string latency = ReadAttribute(deviceDir / "latency_timer");
        if (!latency.empty()) {
            d.latencyMs = std::atoi(latency.c_str());
            d.latencyFile = "/sys/bus/usb-serial/devices/" + name + "/latency_timer";
        }
    }
    FillAccess(root / ("dev/" + name), user, d);
    return d;
}

std::vector<unsigned> GroupsNow() {
    std::vector<unsigned> out{static_cast<unsigned>(getegid())};
    const int n = getgroups(0, nullptr);
    std::vector<gid_t> ids(n > 0 ? static_cast<size_t>(n) : 0);
    if (n > 0 && getgroups(n, ids.data()) == n)
        out.insert(out.end(), ids.begin(), ids.end());
    return out;
}

std::vector<unsigned> GroupsAtLogin() {
    const passwd* me = getpwuid(geteuid());
    if (me == nullptr)
        return {};
    int n = 64;
    std::vector<gid_t> ids(static_cast<size_t>(n));
    if (getgrouplist(me->pw_name, me->pw_gid, ids.data(), &n) < 0) {
        ids.resize(static_cast<size_t>(n));
        if (getgrouplist(me->pw_name, me->pw_gid, ids.data(), &n) < 0)
            return {};
    }
    return {ids.begin(), ids.begin() + n};
}

} // namespace

PortUser CurrentPortUser() {
    PortUser user;
    user.uid = geteuid();
    user.groups = GroupsNow();
    user.groupsAtLogin = GroupsAtLogin();
    user.groupName = [](unsigned gid) {
        const group* g = getgrgid(gid);
        return g != nullptr ? std::string(g->gr_name) : std::to_string(gid);
    };
    return user;
}

std::vector<SerialDevice> DiscoverSerialDevices(const std::string& root, const PortUser& user) {
    const fs::path base = root.empty() ? fs::path("/") : fs::path(root);
    std::vector<SerialDevice> devices;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(base / "sys/class/tty", ec)) {
        const std::string name = entry.path().filename().string();
        if (KindOf(name) < 0 || !HasHardware(entry.path(), name))
            continue;
        devices.push_back(Describe(base, entry.path(), name, user));
    }
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        const int ka = KindOf(a.name);
        const int kb = KindOf(b.name);
        return ka != kb ? ka < kb : NumberOf(a.name) < NumberOf(b.name);
    });
    FillById(base, devices);
    return devices;
}

bool LowerLatencyTimer(const std::string& root, SerialDevice& device) {
    if (device.latencyMs <= kLatencyWanted)
        return true;
    std::ofstream out(root + device.latencyFile);
    out << kLatencyWanted << '\n';
    out.close();
    if (!out)
        return false;
    const std::string now = ReadAttribute(root + device.latencyFile);
    if (now.empty())
        return false;
    device.latencyMs = std::atoi(now.c_str());
    return device.latencyMs <= kLatencyWanted;
}

std::string HowToLowerLatency(const SerialDevice& d) {
    return Arg(N_("Latency timer %1 ms slows the board down. Lower it with:\recho %2 | sudo tee "
                  "%3"),
               d.latencyMs, kLatencyWanted, d.latencyFile);
}
