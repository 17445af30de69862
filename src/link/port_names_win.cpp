#include "link/com_names.h"

#include "platform/utf8_path.h"
#include "platform/win_text.h"

#include <windows.h>

#include <filesystem>

namespace {
constexpr const char* kDevicePrefix = "\\\\.\\";
} // namespace

std::string DefaultComDevice(int com) {
    return kDevicePrefix + std::string("COM") + std::to_string(com);
}

int HighestComNumber() {
    return 256;
}

std::string ComEntryName(int com) {
    return "port" + std::to_string(com) + ".txt";
}

// A COM port is there when the system has a device of its name (a USB adapter
// plugged in, a built-in port); any other name is a file that exists or not.
std::string PresentDevice(const std::string& name) {
    std::string device = name;
    if (device.rfind(kDevicePrefix, 0) == 0)
        device.erase(0, 4);
    wchar_t target[1024];
    if (device.find_first_of("\\/:") == std::string::npos)
        return QueryDosDeviceW(Wide(device).c_str(), target, 1024) != 0 ? name : std::string();
    std::error_code ec;
    return std::filesystem::exists(PathOf(name), ec) ? name : std::string();
}
