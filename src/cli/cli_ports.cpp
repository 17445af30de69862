// tessaro-cli: the serial devices of the machine, the COM numbers ports/
// names, and --port auto.
#include "cli/cli_messages.h"
#include "cli/cli_session.h"
#include "link/com_names.h"
#include "link/port_discovery.h"
#include "link/port_map.h"
#include "platform/translate.h"

#include <sstream>

namespace {

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

JsonLine DeviceJson(const SerialDevice& d) {
    JsonLine line;
    line.Str("device", d.path);
    d.byId.empty() ? line.Null("by_id") : line.Str("by_id", d.byId);
    line.Str("driver", d.driver).Bool("usb", d.usb);
    if (d.usb)
        line.Str("vendor_id", d.vendorId)
            .Str("product_id", d.productId)
            .Str("manufacturer", d.manufacturer)
            .Str("product", d.product)
            .Str("serial", d.serialNumber);
    d.latencyMs >= 0 ? line.Int("latency_ms", d.latencyMs) : line.Null("latency_ms");
    return line.Bool("can_open", d.canOpen).Str("group", d.group);
}

JsonLine MappingJson(const PortMapping& m) {
    JsonLine line;
    line.Str("com", ComName(m.com)).Str("entry", m.entry).Str("names", m.names);
    m.device.empty() ? line.Null("device") : line.Str("device", m.device);
    return line;
}

} // namespace

int CliSession::ListPorts() {
    const std::vector<SerialDevice> devices = Workbench::FindSerialDevices(env_.systemRoot);
    std::ostream& out = *env_.out;
    for (const SerialDevice& d : devices) {
        if (o_.json) {
            out << DeviceJson(d).Text() << '\n';
            continue;
        }
        out << d.path << "  " << Translated(DeviceDescription(d)) << '\n';
        if (!d.byId.empty())
            out << "    " << d.byId << '\n';
        for (const std::string& advice : {LatencyAdvice(d), AccessAdvice(d)})
            if (!advice.empty())
                out << "    " << OneLine(Translated(advice)) << '\n';
    }
    if (devices.empty() && !o_.json)
        out << Translated(N_("no serial devices")) << '\n';
    for (const PortMapping& m : Bench().PortMappings()) {
        if (o_.json) {
            out << MappingJson(m).Text() << '\n';
            continue;
        }
        out << ComName(m.com) << " -> " << m.names;
        if (m.target.kind == PortTarget::Kind::Device)
            out << (m.device.empty()      ? Translated(N_("  (not there)"))
                    : m.device == m.names ? ""
                                          : "  (" + m.device + ")");
        out << '\n';
    }
    out.flush();
    return kExitOk;
}

// The USB serial devices of the machine and the network servers ports/
// names are the places a board may be. One of them is taken as it is; of
// several, the one whose board greets after a reset.
int CliSession::ChooseAutoPort() {
    const std::vector<PortCandidate> found = Bench().PortCandidates(env_.systemRoot);
    if (found.empty()) {
        out_.Say(MeSays(N_("--port auto: no USB serial device and no network server in ports/")),
                 true);
        return kExitBoard;
    }
    std::vector<std::string> shown;
    std::vector<std::size_t> greeting;
    for (std::size_t i = 0; i < found.size(); ++i) {
        shown.push_back(found[i].shown);
        if (found.size() > 1 && BoardGreets(found[i].port))
            greeting.push_back(i);
    }
    if (found.size() > 1 && greeting.size() != 1) {
        out_.Say(MeSays(greeting.empty()
                            ? N_("--port auto: no board greets on %1; choose one with --port")
                            : N_("--port auto: boards greet on more than one of %1; choose one "
                                 "with --port"),
                        Joined(shown)),
                 true);
        return kExitBoard;
    }
    const PortCandidate& chosen = found[found.size() == 1 ? 0 : greeting[0]];
    port_ = chosen.port;
    out_.Say(MeSays(N_("--port auto: %1"), chosen.shown));
    if (!chosen.advice.empty())
        out_.Say(Arg(kMeLine, OneLine(Translated(chosen.advice))), true);
    return kExitOk;
}

// Opens the port on a host of its own, resets the board and waits for its
// greeting; nothing of it is shown.
bool CliSession::BoardGreets(const std::string& port) {
    std::ostringstream sink;
    ConsoleOutput silent(sink, false, true);
    ConsoleDialogs boxes(silent, false);
    ConsoleHost probe(silent, boxes, places_, env_.sleep);
    const int style = o_.style < 0 ? kFirstStyle : o_.style;
    return probe.bench.ChoosePort(port) &&
           probe.bench.Connect(style, OtherBoard::Adopt, probe.Serving()).outcome ==
               Connection::Greeted;
}
