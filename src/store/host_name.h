#pragma once

#include <string>

// This machine's name, a station's name when none is given; empty when the
// system gives none.
std::string HostName();
