#pragma once

#include <string>

// The system's own locale name where the system keeps one apart from the
// environment (Windows: the user's locale, "de-DE"); empty where the
// environment's LANG and LC_* say it all (one file per platform).
std::string SystemLocaleName();
