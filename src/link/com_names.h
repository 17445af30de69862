#pragma once

#include <string>
#include <vector>

// Where COMn leads: a device path, or a network serial server.
struct PortTarget {
    enum class Kind { Device, Network };
    Kind kind = Kind::Device;
    std::string device;
    std::string host;
    int tcpPort = 0;
    bool operator==(const PortTarget&) const = default;
};

// Looks up ports/comN in each folder in turn; the first folder that has the
// entry decides. A link to a device or the device itself is opened as it is; a
// text file names a device path or rfc2217://HOST:PORT on its first line.
// Without an entry in any folder COMn is DefaultComDevice(n).
PortTarget ResolvePortName(const std::vector<std::string>& folders, int port);

// The device COMn names without a ports/ entry: /dev/ttyUSB(n-1) on Linux,
// the COM port itself (\\.\COMn) on Windows. One file per platform.
std::string DefaultComDevice(int com);

// The highest COM number a port can have: 9 where COMn are names ports/ gives
// (Linux), 256 on Windows, whose own ports COM10 and above are.
int HighestComNumber();

// The name of the entry for COMn in ports/: comN; on Windows portN.txt, since
// Windows reserves COM1..COM9 (whatever the extension) as the ports' own names.
std::string ComEntryName(int com);

// The device a name leads to now (links followed); empty when it is not there.
std::string PresentDevice(const std::string& name);

// The entry that names COMn in a folder: FOLDER/ports/comN (FOLDER\ports\portN.txt
// on Windows).
std::string PortEntryPath(std::string folder, int com);

// "COMn": how a user names port n (the command line, the ports list).
std::string ComName(int com);
// "COM n": the port as the window's indicator and the program's messages show it.
std::string ComCaption(int com);
// The n of "COMn" in either case; -1 for a COM name without a usable number
// (COM0, COM10 where ports above COM9 are not the system's), 0 for text that
// is no COM name at all (a device path, say).
int ComNumberOf(const std::string& text);

// Reads one line of a ports file; false when it is not rfc2217://HOST:PORT.
bool ParseNetworkTarget(const std::string& line, std::string& host, int& tcpPort);
