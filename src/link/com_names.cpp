#include "link/com_names.h"

#include "platform/utf8_path.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* NetworkScheme = "rfc2217://";
constexpr size_t MaxLine = 4096;

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    std::string line;
    char c = 0;
    while (line.size() < MaxLine && in.get(c) && c != '\n' && c != '\r')
        line.push_back(c);
    return Trim(line);
}

} // namespace

std::string ComName(int com) {
    return "COM" + std::to_string(com);
}

std::string ComCaption(int com) {
    return "COM " + std::to_string(com);
}

int ComNumberOf(const std::string& text) {
    if (text.size() < 4 || (text[0] | 0x20) != 'c' || (text[1] | 0x20) != 'o' ||
        (text[2] | 0x20) != 'm')
        return 0;
    if (text.find_first_not_of("0123456789", 3) != std::string::npos)
        return 0;
    const int n = text.size() <= 6 ? std::stoi(text.substr(3)) : 0;
    return n >= 1 && n <= HighestComNumber() && text[3] != '0' ? n : -1;
}

bool ParseNetworkTarget(const std::string& line, std::string& host, int& tcpPort) {
    std::string scheme = NetworkScheme;
    if (line.compare(0, scheme.size(), scheme) != 0)
        return false;
    std::string rest = line.substr(scheme.size());
    size_t colon = rest.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    host = rest.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    std::string digits = rest.substr(colon + 1);
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value <= 0 || value > 65535)
        return false;
    tcpPort = value;
    return true;
}

std::string PortEntryPath(std::string folder, int com) {
    std::filesystem::path entry = PathOf(folder) / "ports" / ComEntryName(com);
    return Utf8Of(entry.make_preferred());
}

PortTarget ResolvePortName(const std::vector<std::string>& folders, int port) {
    PortTarget target;
    for (const std::string& folder : folders) {
        std::string entry = PortEntryPath(folder, port);
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(PathOf(entry), ec)))
            continue;
        // A link is followed; a broken one is opened as it is and fails there.
        if (!std::filesystem::is_regular_file(PathOf(entry), ec)) {
            target.device = entry;
            return target;
        }
        std::string line = FirstLine(entry);
        if (ParseNetworkTarget(line, target.host, target.tcpPort)) {
            target.kind = PortTarget::Kind::Network;
            return target;
        }
        target.device = line;
        return target;
    }
    target.device = DefaultComDevice(port);
    return target;
}
