#pragma once

#include <string>

// The operating system and its release, as a recording's header names them
// ("Linux 6.1.0-18-amd64", "Windows 10.0.19045"). One file per platform.
std::string OperatingSystemName();
