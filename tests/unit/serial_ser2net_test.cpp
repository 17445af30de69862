// The RFC 2217 client against ser2net, an independent server, bridging a
// pseudo-terminal.
#include "link/rfc2217_port.h"
#include "serial_fixture.h"
#include "serial_test_support.h"
#include "test_socket.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <termios.h>

namespace {

using namespace telnet;

std::string AllByteValues() {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    return all;
}

struct SerialSer2net : SerialOwner {
    PtyPair pty;
    int tcpPort = FreeTcpPort();
    std::unique_ptr<Ser2net> server;

    void SetUp() override {
        ASSERT_GE(pty.master, 0);
        server = std::make_unique<Ser2net>(pty.slavePath, tcpPort);
        ASSERT_TRUE(server->Started()) << "ser2net is missing or did not start (scripts/deps)";
        PointAt(1, tcpPort);
    }
};

TEST_F(SerialSer2net, NegotiatesAndAppliesTheRate) {
    OpenResult opened = OpenRfc2217Port("127.0.0.1", tcpPort);
    ASSERT_NE(opened.port, nullptr) << opened.error;
    PortSettings settings;
    settings.Baudrate = 9600;
    settings.DataBits = eDataBits::Bits8;
    ASSERT_EQ(opened.port->Apply(settings), 0);
    auto& port = static_cast<Rfc2217Port&>(*opened.port);
    PortEvents events;
    for (int i = 0; i < 200 && port.LastAnswer(SetStopsize).empty(); ++i)
        opened.port->WaitEvents(events, PortWatch{}, 10);
    EXPECT_EQ(port.LastAnswer(SetBaudrate), BigEndian32(9600));
    EXPECT_EQ(port.LastAnswer(SetDatasize), std::string(1, 8));
    EXPECT_EQ(port.LastAnswer(SetParity), std::string(1, 1));
    EXPECT_EQ(port.LastAnswer(SetStopsize), std::string(1, 1));
    termios t{};
    ASSERT_EQ(tcgetattr(pty.master, &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B9600);
}

TEST_F(SerialSer2net, CarriesEveryByteValueBothWaysAndSurvivesUnansweredLineChanges) {
    Make();
    serial->SetActive(true);
    ASSERT_TRUE(serial->Active());
    std::string all = AllByteValues();
    serial->WriteString(all);
    EXPECT_EQ(pty.ReadMaster(256, 2000), all);
    pty.WriteMaster(all);
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return received.size() >= 256; }, 2000));
    EXPECT_EQ(received, all);

    // ser2net never answers DTR or RTS for a pseudo-terminal: after a bounded
    // wait that is a port error, and the port carries bytes as before.
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return serial->ErrorCode() != 0; }, 2000));
    EXPECT_EQ(serial->ErrorCode(), ETIMEDOUT);
    EXPECT_TRUE(serial->Active());
    serial->WriteString("ok");
    EXPECT_EQ(pty.ReadMaster(2, 2000), "ok");
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
