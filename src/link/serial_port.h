#pragma once

#include "link/serial_types.h"

#include <memory>
#include <string>
#include <vector>

// One open port of some kind (a tty device, a network serial server). Every
// call returns 0 or an errno-style error code. Write, ReadByte and the line
// calls come from the handler thread, WaitEvents from the event thread, and
// Interrupt and Shutdown from either; implementations guard what they share.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual int Apply(const PortSettings& settings) = 0;
    virtual int SetLine(ModemLine line, bool on) = 0;
    // Sends every byte, waiting at most timeoutMs for room; ETIMEDOUT otherwise.
    virtual int Write(const std::string& bytes, int timeoutMs) = 0;
    // Takes the next received byte if one is queued; never waits.
    virtual int ReadByte(uint8_t& byte, bool& got) = 0;
    // Appends every byte the last waits brought in; never reads the device, so
    // a receive event's bytes cost no further system call.
    virtual int TakeQueued(std::string& bytes) = 0;
    // Drops what is queued both ways (used when the port closes).
    virtual int PurgeAll() = 0;
    virtual int QueueCounts(int& rx, int& tx) = 0;
    // Blocks until something happens on the port, Interrupt is called or
    // timeoutMs pass (-1: no limit); watch says which events have listeners
    // (the rest may go unseen). A non-zero result means the port failed; later
    // waits then block until Interrupt or their time, so a dead port is
    // reported once.
    virtual int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs = -1) = 0;
    virtual void Interrupt() = 0;
    // The descriptors a wait polls (the wake-up and the device or connection),
    // for an owner whose event loop watches them.
    virtual std::vector<int> WaitFds() const = 0;
    // Lets go of the device at once (so it can be opened again) while the
    // object stays valid for a thread still holding it; every later call fails.
    virtual void Shutdown() = 0;
};

struct OpenResult {
    std::shared_ptr<SerialPort> port;
    int error = 0;
};

OpenResult OpenTtyPort(const std::string& path);
// ackTimeoutMs bounds how long a setting or line change may go unanswered by
// the server before it counts as a port error.
OpenResult OpenRfc2217Port(const std::string& host, int tcpPort, int ackTimeoutMs = 500);
