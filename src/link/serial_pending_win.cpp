// SCAFFOLDING, removed when the Windows serial back-ends come: the COM port
// (CreateFile on \\.\COMn) and the RFC 2217 client on Winsock are not written
// yet, so on Windows every port fails to open with "not supported" and there
// is nothing to serve. Everything else of the program (chip
// file, HEX files, the engine, the command line) works as on Linux.
#include "link/serial_port.h"
#include "platform/timer_slack.h"

#include <cerrno>

void WaitPromptlyOnThisThread() {
    WakePromptly();
}

OpenResult OpenTtyPort(const std::string&) {
    return {nullptr, ENOTSUP};
}

OpenResult OpenRfc2217Port(const std::string&, int, int) {
    return {nullptr, ENOTSUP};
}
