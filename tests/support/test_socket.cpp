#include "test_socket.h"

#include "link/port_io.h"
#include "link/tcp_link.h"

#include <cstdint>

namespace {
// Loopback answers at once: these only bound a server that is stuck.
constexpr int kConnectMs = 2000;
constexpr int kSendMs = 2000;
} // namespace

TestSocket::TestSocket(int port) {
    if (TcpLink::Connect("127.0.0.1", port, kConnectMs, link_) != 0)
        link_.reset();
}

TestSocket::~TestSocket() = default;

bool TestSocket::Send(const std::string& bytes) {
    return link_ != nullptr && link_->Send(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           bytes.size(), MonotonicMs() + kSendMs) == 0;
}

std::string TestSocket::Receive(int timeoutMs, bool& closed) {
    closed = false;
    bool readable = false;
    if (link_ == nullptr || link_->WaitReadable(timeoutMs, readable) != 0 || !readable)
        return {};
    std::uint8_t buffer[4096];
    std::size_t got = 0;
    closed = link_->Receive(buffer, sizeof buffer, got) != 0;
    return std::string(reinterpret_cast<const char*>(buffer), got);
}

void TestSocket::Close() {
    link_.reset();
}
