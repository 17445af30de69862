#pragma once

#include <string>
#include <vector>

// The name an open port is reached by, to see its device go and come back:
// the link ports/comN leads through (a /dev/serial/by-id/ name follows the
// board from socket to socket), or the device itself. Empty for a network
// server, which is watched by trying it again.
std::string WatchedName(const std::vector<std::string>& portFolders, int com);

// Whether the name leads to something now (links followed).
bool NamePresent(const std::string& name);

// Tells when entries come and go in the folder a name lives in, through
// inotify: no polling. The folder may itself be missing (/dev/serial/by-id
// goes with the last USB serial device): then its nearest existing parent is
// watched until it is back. Windows has no folder of devices to watch: there
// Watch() is false and the port is tried again instead.
class DeviceWatch {
public:
    DeviceWatch();
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    // Starts watching for name; false when there is nothing to watch it with.
    bool Watch(const std::string& name);
    void Stop();
    // The descriptor that becomes readable when something happened; -1 when none.
    int Fd() const { return fd_; }
    // Takes what happened; true when anything did. Moves the watch to the
    // name's own folder when that appeared, or up when it went.
    bool TakeEvents();

private:
    void Aim();

    int fd_ = -1;
    int wd_ = -1;
    std::string name_;
    std::string watched_;
};
