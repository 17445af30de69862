#include "platform/file_places.h"

#include <cstdlib>
#include <unistd.h>

FilePlaces FilePlacesOf(const std::string& programDir) {
    const bool writable = ::access(programDir.c_str(), W_OK) == 0;
    return ChooseFilePlaces(programDir,
                            UserConfigDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                            writable, HasInstallMarker(programDir));
}
