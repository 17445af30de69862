// Feeds arbitrary bytes to the port lookup as the text file ports/com1: a
// network target has a host and a port in 1..65535, a device is (a part of)
// the file's first line.
#include "fuzz_require.h"
#include "link/com_names.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>

namespace {

const std::string& PortsFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessaro-ports-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            __builtin_trap();
        std::filesystem::create_directories(pattern + "/ports");
        return pattern;
    }();
    return folder;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string host;
    int tcpPort = 0;
    if (ParseNetworkTarget(text, host, tcpPort))
        Require(!host.empty() && tcpPort >= 1 && tcpPort <= 65535);

    {
        std::ofstream file(PortsFolder() + "/ports/com1", std::ios::binary | std::ios::trunc);
        file << text;
        if (!file)
            return 0;
    }
    const PortTarget target = ResolvePortName({PortsFolder()}, 1);
    if (target.kind == PortTarget::Kind::Network) {
        Require(!target.host.empty() && target.tcpPort >= 1 && target.tcpPort <= 65535);
    } else {
        Require(target.device.find_first_of("\r\n") == std::string::npos);
        Require(text.find(target.device) != std::string::npos);
    }
    return 0;
}
