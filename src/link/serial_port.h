#pragma once

#include "link/com_names.h"
#include "link/serial_types.h"
#include "link/waitable.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One open port of some kind (a tty device, a network serial server): the
// boundary a platform's back-end implements. It is used by the one thread
// that owns its serial component, so nothing in it is shared between threads.
// Every call returns 0 or an errno-style code (a std::errc value; a back-end
// translates its system's own). Destroying the port releases the device.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual int Apply(const PortSettings& settings) = 0;
    virtual int SetLine(ModemLine line, bool on) = 0;
    // Sends every byte, waiting at most timeoutMs for room; ETIMEDOUT otherwise.
    virtual int Write(const std::string& bytes, int timeoutMs) = 0;
    // Takes the next received byte, reading the device when none is queued;
    // never waits.
    virtual int ReadByte(uint8_t& byte, bool& got) = 0;
    // Appends every byte the last waits brought in; never reads the device, so
    // a receive event's bytes cost no further system call.
    virtual int TakeQueued(std::string& bytes) = 0;
    // Drops what is queued both ways (used when the port closes).
    virtual int PurgeAll() = 0;
    virtual int QueueCounts(int& rx, int& tx) = 0;
    // Waits at most timeoutMs (0: looks only) until something happens on the
    // port; watch says which events have listeners (the rest may go unseen).
    // A non-zero result means the port failed; later waits then only wait out
    // their time, so a dead port is reported once.
    virtual int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) = 0;
    // What an event loop watches in place of WaitEvents: when one of them is
    // ready, a wait of 0 finds what came; none once the port failed (a dead
    // device would stay ready for ever). A network server's unanswered
    // request shows on none of them, so such a loop still waits now and then.
    virtual std::vector<Waitable> Waitables() const = 0;
};

struct OpenResult {
    std::unique_ptr<SerialPort> port;
    int error = 0;
};

// A serial device by its path: a tty on Linux, a COM port on Windows (one
// file per platform).
OpenResult OpenDevicePort(const std::string& path);
// ackTimeoutMs bounds how long a setting or line change may go unanswered by
// the server before it counts as a port error.
OpenResult OpenRfc2217Port(const std::string& host, int tcpPort, int ackTimeoutMs = 500);

// The port a target names: its device, or its network server.
OpenResult OpenPortTarget(const PortTarget& target);
// What opens a port in place of OpenPortTarget: a recording wraps the port it
// opens, a replay answers from a recording.
using PortOpener = std::function<OpenResult(const PortTarget& target)>;
