#include "link/com_names.h"
#include "ports_folder.h"
#include "test_platform.h"

#include <gtest/gtest.h>

namespace {

PortTarget Device(const std::string& path) {
    return {PortTarget::Kind::Device, path, "", 0};
}
PortTarget Network(const std::string& host, int port) {
    return {PortTarget::Kind::Network, "", host, port};
}

TEST(SerialComNames, WithoutAnEntryComNIsTtyUsbNMinusOne) {
    ProgramFolder folder;
    const bool windows = testplatform::kWindows;
    EXPECT_EQ(ResolvePortName({folder.dir}, 1), Device(windows ? "\\\\.\\COM1" : "/dev/ttyUSB0"));
    EXPECT_EQ(ResolvePortName({folder.dir}, 9), Device(windows ? "\\\\.\\COM9" : "/dev/ttyUSB8"));
}

TEST(SerialComNames, LinksAreOpenedAsTheyAreEvenWhenBroken) {
    SKIP_ON_WINDOWS("a ports/ entry there is a text file: links need administrator rights");
    ProgramFolder folder;
    folder.LinkCom(1, "/dev/null");
    folder.LinkCom(2, "/dev/tessaro-missing");
    EXPECT_EQ(ResolvePortName({folder.dir}, 1), Device(folder.dir + "ports/com1"));
    EXPECT_EQ(ResolvePortName({folder.dir}, 2), Device(folder.dir + "ports/com2"));
}

TEST(SerialComNames, TextFileNamesADeviceOrANetworkServerOnItsFirstLine) {
    ProgramFolder folder;
    folder.WriteCom(1, "  /dev/ttyACM0 \r\nignored\n");
    folder.WriteCom(2, "rfc2217://192.168.1.20:4001\n");
    folder.WriteCom(3, "rfc2217://[::1]:7000");
    // Lines ended by a lone CR, as some editors write them.
    folder.WriteCom(4, "rfc2217://127.0.0.1:5000\r/dev/ttyS0\r");
    EXPECT_EQ(ResolvePortName({folder.dir}, 1), Device("/dev/ttyACM0"));
    EXPECT_EQ(ResolvePortName({folder.dir}, 2), Network("192.168.1.20", 4001));
    EXPECT_EQ(ResolvePortName({folder.dir}, 3), Network("::1", 7000));
    EXPECT_EQ(ResolvePortName({folder.dir}, 4), Network("127.0.0.1", 5000));
}

TEST(SerialComNames, MalformedServerAddressesAreNotTakenAsServers) {
    std::string host;
    int port = 0;
    for (const char* bad : {"rfc2217://host", "rfc2217://:80", "rfc2217://h:0", "rfc2217://h:65536",
                            "rfc2217://h:12x", "rfc2217://h:", "tcp://h:80"})
        EXPECT_FALSE(ParseNetworkTarget(bad, host, port)) << bad;
    EXPECT_TRUE(ParseNetworkTarget("rfc2217://h:65535", host, port));
    EXPECT_EQ(port, 65535);
}

} // namespace
