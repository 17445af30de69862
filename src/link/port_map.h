#pragma once

#include "link/com_names.h"
#include "link/port_discovery.h"

#include <string>
#include <vector>

// The COM numbers that a ports/ folder names, and where each leads.
struct PortMapping {
    int com = 0;
    std::string entry; // the ports/comN file or link that decides
    std::string names; // what it names: a link's target, a file's first line
    PortTarget target;
    std::string device; // the device it leads to now; empty when it is gone or a server
};

// COM1..COM9 that have an entry in one of the folders (see ResolvePortName).
std::vector<PortMapping> MappedPorts(const std::vector<std::string>& folders);

// Points ports/comN in folder at target: a symbolic link for a device, a
// one-line file for rfc2217://HOST:PORT. Makes ports/ when it is missing.
// Empty on success, otherwise the system's reason.
std::string AssignPort(const std::string& folder, int com, const std::string& target);

// One line of the list a user assigns a COM number from.
struct PortChoice {
    std::string label;  // what the list shows
    std::string target; // what ports/comN is to lead to
    std::string advice; // why it cannot be opened, how to lower its latency; empty: all is well
};

// The devices (their links made under root, as discovery saw them), then the
// network servers that ports/ already names, each once.
std::vector<PortChoice> PortChoices(const std::vector<SerialDevice>& devices,
                                    const std::vector<PortMapping>& mapped,
                                    const std::string& root);
