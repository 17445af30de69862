#include "link/rfc2217_port.h"

#include <cerrno>

namespace {

// A server that does not take the connection in this time is an error.
constexpr int ConnectMs = 2000;

} // namespace

OpenResult OpenRfc2217Port(const std::string& host, int tcpPort, int ackTimeoutMs) {
    if (tcpPort <= 0 || tcpPort > 65535)
        return {nullptr, EINVAL};
    std::unique_ptr<TcpLink> link;
    if (int error = TcpLink::Connect(host, tcpPort, ConnectMs, link); error != 0)
        return {nullptr, error};
    auto port = std::make_unique<Rfc2217Port>(std::move(link), ackTimeoutMs);
    if (int startError = port->Start(); startError != 0)
        return {nullptr, startError};
    return {std::move(port), 0};
}
