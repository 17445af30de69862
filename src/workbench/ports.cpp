// Port assignment: the machine's serial devices, what the ports/ folder names
// COM1..COM9, and a COM number pointed at a device or a network server.
#include "link/port_map.h"
#include "platform/dialogs.h"
#include "platform/file_places.h"
#include "workbench/workbench.h"

std::vector<SerialDevice> Workbench::FindSerialDevices(const std::string& systemRoot) {
    std::vector<SerialDevice> devices = DiscoverSerialDevices(systemRoot, CurrentPortUser());
    // A board answers each word sooner through an adapter that hands its
    // bytes on at once: its latency timer is lowered wherever that is allowed.
    for (SerialDevice& d : devices)
        LowerLatencyTimer(systemRoot, d);
    return devices;
}

std::vector<PortMapping> Workbench::PortMappings() const {
    return MappedPorts(PortFolders(places_));
}

PortSurvey Workbench::SurveyPorts(const std::string& systemRoot) const {
    PortSurvey survey;
    const std::vector<PortMapping> mapped = PortMappings();
    survey.choices = PortChoices(FindSerialDevices(systemRoot), mapped, systemRoot);
    survey.comTargets.resize(kComNumbers);
    for (const PortMapping& m : mapped)
        survey.comTargets[static_cast<std::size_t>(m.com - 1)] = m.names;
    return survey;
}

std::vector<PortCandidate> Workbench::PortCandidates(const std::string& systemRoot) const {
    std::vector<PortCandidate> candidates;
    for (const SerialDevice& d : DiscoverSerialDevices(systemRoot, CurrentPortUser()))
        if (d.usb)
            candidates.push_back({systemRoot + StableName(d), d.path, AccessAdvice(d)});
    for (const PortMapping& m : PortMappings())
        if (m.target.kind == PortTarget::Kind::Network) {
            const std::string com = ComName(m.com);
            candidates.push_back({com, com + " (" + m.names + ")", {}});
        }
    return candidates;
}

bool Workbench::AssignPort(int com, const std::string& target) {
    if (const std::string error = ::AssignPort(PortFolders(places_).front(), com, target);
        !error.empty()) {
        Tell({MessageWord::CannotWritePort, {.text = error, .count = com}});
        return false;
    }
    // The open port's number leads elsewhere now: it is opened there, and the board reset.
    if (com == PortNumber() && OpenPort(com))
        ResetBoard();
    return true;
}
