#include "platform/os_name.h"

#include <sys/utsname.h>

std::string OperatingSystemName() {
    utsname name{};
    if (uname(&name) != 0)
        return "POSIX";
    return std::string(name.sysname) + " " + name.release;
}
