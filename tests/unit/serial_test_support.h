#pragma once

// Pieces the Linux serial tests share: pseudo-terminals and Debian's ser2net
// bridging one to a network serial port.

#include "child_process.h"

#include <optional>
#include <string>

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

// ser2net bridging a pseudo-terminal to a loopback RFC 2217 port.
class Ser2net {
public:
    Ser2net(const std::string& device, int tcpPort);
    ~Ser2net();
    bool Started() const { return started_; }

private:
    std::string dir_;
    std::optional<ChildProcess> process_;
    bool started_ = false;
};
