#pragma once

// Pieces the serial tests share: serving the component as the programs do,
// pseudo-terminals, a program folder with a ports/ folder (support/ports_folder.h),
// a network serial server of our own, and Debian's ser2net.

#include "link/rfc2217_codec.h"
#include "ports_folder.h"
#include "test_socket.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

class TSerial;

// Serves the component's port on this thread, as the programs do, until
// done() holds (true) or the time is up (false).
bool ServeUntil(TSerial& serial, const std::function<bool()>& done, int timeoutMs);
inline void ServeFor(TSerial& serial, int milliseconds) {
    ServeUntil(
        serial, [] { return false; }, milliseconds);
}

// A pseudo-terminal: the test holds the master and one slave descriptor of
// its own (so the master never sees a hang-up); the component opens the slave
// path.
struct PtyPair {
    PtyPair();
    ~PtyPair();
    int master = -1;
    int slave = -1;
    std::string slavePath;

    void WriteMaster(const std::string& bytes) const;
    // Reads up to count bytes from the master, waiting at most timeoutMs in all.
    std::string ReadMaster(size_t count, int timeoutMs) const;
};

// A network serial server written here: takes COM-PORT-OPTION, answers every
// command with its value (line changes only when answerControls is set),
// records per connection the SET-CONTROL values and the data received.
class Rfc2217Peer {
public:
    struct Connection {
        std::vector<uint8_t> controls;
        std::vector<uint8_t> commands;
        std::string data;
        bool closed = false;
    };

    // takeComPort false: the server refuses COM-PORT-OPTION (a plain Telnet
    // server carrying bytes only).
    explicit Rfc2217Peer(bool answerControls = true, bool takeComPort = true);
    ~Rfc2217Peer();

    int Port() const { return port_; }
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
    void Serve(int fd);

    const bool answerControls_;
    const bool takeComPort_;
    int listen_ = -1;
    int port_ = 0;
    int client_ = -1;
    std::atomic<bool> stop_ = false;
    mutable std::mutex mutex_;
    std::vector<Connection> connections_;
    telnet::Reader reader_;
    std::thread thread_;
};

// ser2net bridging a pseudo-terminal to a loopback RFC 2217 port.
class Ser2net {
public:
    Ser2net(const std::string& device, int tcpPort);
    ~Ser2net();
    bool Started() const { return started_; }

private:
    std::string dir_;
    pid_t pid_ = -1;
    bool started_ = false;
};
