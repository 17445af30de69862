#include "platform/system_locale.h"

std::string SystemLocaleName() { return {}; }
