#include "link/port_map.h"
#include "platform/translate.h"

#include "platform/utf8_path.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string NetworkText(const PortTarget& t) {
    const bool v6 = t.host.find(':') != std::string::npos;
    return std::string("rfc2217://") + (v6 ? "[" + t.host + "]" : t.host) + ":" +
           std::to_string(t.tcpPort);
}

} // namespace

std::vector<PortMapping> MappedPorts(const std::vector<std::string>& folders) {
    std::vector<PortMapping> mapped;
    for (int com = 1; com <= 9; ++com) {
        for (const std::string& folder : folders) {
            const std::string entry = PortEntryPath(folder, com);
            std::error_code ec;
            const fs::file_status status = fs::symlink_status(PathOf(entry), ec);
            if (ec || !fs::exists(status))
                continue;
            PortMapping m;
            m.com = com;
            m.entry = entry;
            m.target = ResolvePortName({folder}, com);
            if (fs::is_symlink(status))
                m.names = Utf8Of(fs::read_symlink(PathOf(entry), ec));
            else if (m.target.kind == PortTarget::Kind::Network)
                m.names = NetworkText(m.target);
            else
                m.names = m.target.device;
            if (m.target.kind == PortTarget::Kind::Device)
                m.device = PresentDevice(m.target.device);
            mapped.push_back(std::move(m));
            break;
        }
    }
    return mapped;
}

std::string AssignPort(const std::string& folder, int com, const std::string& target) {
    const std::string entry = PortEntryPath(folder, com);
    std::error_code ec;
    fs::create_directories(PathOf(entry).parent_path(), ec);
    if (ec)
        return ec.message();
    // Written beside the entry, then renamed over it: the old entry stays
    // whole until the new one is there.
    const std::string fresh = entry + ".new";
    fs::remove(PathOf(fresh), ec);
    std::string host;
    int tcpPort = 0;
    // A device gets a link; where the system makes none (Windows without
    // developer mode, a FAT stick) a one-line file names it just as well.
    const bool network = ParseNetworkTarget(target, host, tcpPort);
    if (!network)
        fs::create_symlink(PathOf(target), PathOf(fresh), ec);
    if (network || ec) {
        std::ofstream out(PathOf(fresh));
        out << target << '\n';
        out.close();
        if (!out)
            return Arg(N_("cannot write %1"), fresh);
    }
    fs::rename(PathOf(fresh), PathOf(entry), ec);
    if (ec) {
        fs::remove(PathOf(fresh), ec);
        return Arg(N_("cannot replace %1"), entry);
    }
    return {};
}

std::vector<PortChoice> PortChoices(const std::vector<SerialDevice>& devices,
                                    const std::vector<PortMapping>& mapped,
                                    const std::string& root) {
    std::vector<PortChoice> choices;
    for (const SerialDevice& d : devices) {
        PortChoice c;
        // Labels and advice are read only by people: they are in the user's language.
        c.label = d.path + "  " + Translated(DeviceDescription(d)) +
                  (d.canOpen ? "" : Translated(N_("  (no access)")));
        c.target = root + StableName(d);
        for (const std::string& advice : {AccessAdvice(d), LatencyAdvice(d)})
            if (!advice.empty())
                c.advice += (c.advice.empty() ? "" : "\r\r") + Translated(advice);
        choices.push_back(std::move(c));
    }
    for (const PortMapping& m : mapped) {
        if (m.target.kind != PortTarget::Kind::Network)
            continue;
        bool seen = false;
        for (const PortChoice& c : choices)
            seen = seen || c.target == m.names;
        if (!seen)
            choices.push_back(
                {Translated(Arg(N_("%1  network serial server"), m.names)), m.names, {}});
    }
    return choices;
}
