#pragma once

// A network serial server written here, on the simulator's sockets (so on
// every platform): takes COM-PORT-OPTION, answers every command with its value
// (line changes only when answerControls is set), records per connection the
// SET-CONTROL values and the data received. Its thread owns the sockets; what
// the test sends goes through it.

#include "link/rfc2217_codec.h"
#include "server_sockets.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class Rfc2217Peer {
public:
    struct Connection {
        std::vector<uint8_t> controls;
        std::vector<uint8_t> commands;
        std::string data;
        bool closed = false;
    };

    explicit Rfc2217Peer(bool answerControls = true, bool takeComPort = true);
    ~Rfc2217Peer();
    Rfc2217Peer(const Rfc2217Peer&) = delete;
    Rfc2217Peer& operator=(const Rfc2217Peer&) = delete;

    int Port() const { return sockets_.Port(); }
    std::vector<Connection> Connections() const;
    bool WaitFor(const std::function<bool(const std::vector<Connection>&)>& done,
                 int timeoutMs) const;
    // Sends data bytes (escaped) to the newest connection.
    void SendData(const std::string& bytes);
    // Sends bytes as they are (Telnet commands) to the newest connection.
    void SendWire(const std::string& wire);
    void DropConnection();

private:
    void Loop();
    void Serve();
    void Answer(const telnet::Input& in, Connection& c, std::string& reply) const;
    void Flush();

    const bool answerControls_;
    const bool takeComPort_;
    boardsim::ServerSockets sockets_;
    std::atomic<bool> stop_ = false;
    mutable std::mutex mutex_;
    std::vector<Connection> connections_;
    std::string outgoing_;
    bool drop_ = false;
    telnet::Reader reader_;
    std::thread thread_;
};
