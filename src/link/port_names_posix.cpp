#include "link/com_names.h"

#include <filesystem>

std::string DefaultComDevice(int com) {
    return "/dev/ttyUSB" + std::to_string(com - 1);
}

int HighestComNumber() {
    return 9;
}

std::string ComEntryName(int com) {
    return "com" + std::to_string(com);
}

std::string PresentDevice(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path device = std::filesystem::canonical(name, ec);
    return ec ? std::string() : device.string();
}
