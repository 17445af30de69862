#include "link/device_watch.h"

#include "link/com_names.h"

// A COM port has no link to follow: the name is the device ports/comN names.
std::string WatchedName(const std::vector<std::string>& portFolders, int com) {
    const PortTarget target = ResolvePortName(portFolders, com);
    return target.kind == PortTarget::Kind::Network ? std::string() : target.device;
}

bool NamePresent(const std::string& name) {
    return !name.empty() && !PresentDevice(name).empty();
}

DeviceWatch::DeviceWatch() = default;

DeviceWatch::~DeviceWatch() = default;

bool DeviceWatch::Watch(const std::string&) {
    return false;
}

void DeviceWatch::Stop() {}

bool DeviceWatch::TakeEvents() {
    return false;
}

void DeviceWatch::Aim() {}
