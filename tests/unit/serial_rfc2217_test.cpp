// The RFC 2217 client against a server written here.
#include "link/rfc2217_port.h"
#include "rfc2217_peer.h"
#include "serial_fixture.h"
#include "test_socket.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using Connections = std::vector<Rfc2217Peer::Connection>;
using namespace telnet;

struct SerialNetwork : SerialOwner {};

struct SerialPeer : SerialNetwork {
    Rfc2217Peer peer;

    void SetUp() override {
        PointAt(1, peer.Port());
        PointAt(2, peer.Port());
        Make();
    }
    bool WaitControls(size_t connection, std::vector<uint8_t> controls) {
        return peer.WaitFor(
            [&](const Connections& c) {
                return c.size() > connection && c[connection].controls == controls;
            },
            2000);
    }
};

TEST_F(SerialPeer, OpenSendsSettingsThenRaisesDtrThenRts) {
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    Connections c = peer.Connections();
    std::vector<uint8_t> settings(c[0].commands.begin(), c[0].commands.begin() + 4);
    EXPECT_EQ(settings, (std::vector<uint8_t>{SetBaudrate, SetDatasize, SetParity, SetStopsize}));
    EXPECT_EQ(serial->ErrorCode(), 0);
}

TEST_F(SerialPeer, ChangingPortWhileOpenClosesAndReopensWhileClosedOpensNothing) {
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    ASSERT_TRUE(serial->SetPort(2));
    EXPECT_TRUE(serial->Active());
    ASSERT_TRUE(WaitControls(1, {NoFlowControl, DtrOn, RtsOn}));
    Connections c = peer.Connections();
    EXPECT_EQ(c[0].controls, (std::vector<uint8_t>{NoFlowControl, DtrOn, RtsOn, DtrOff, RtsOff}));
    EXPECT_TRUE(c[0].closed);

    serial->SetActive(false);
    ASSERT_TRUE(peer.WaitFor([](const Connections& c) { return c[1].closed; }, 2000));
    ASSERT_TRUE(serial->SetPort(1));
    serial->SetBaudrate(9600);
    EXPECT_FALSE(serial->Active());
    ServeFor(*serial, 30);
    EXPECT_EQ(peer.Connections().size(), 2u);
}

TEST_F(SerialPeer, WritingTrueToAnOpenPortDropsAndRaisesTheLines) {
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(1, {NoFlowControl, DtrOn, RtsOn}));
    EXPECT_EQ(peer.Connections()[0].controls,
              (std::vector<uint8_t>{NoFlowControl, DtrOn, RtsOn, DtrOff, RtsOff}));
    // Setting the same port again re-applies Active as well.
    ASSERT_TRUE(serial->SetPort(1));
    ASSERT_TRUE(WaitControls(2, {NoFlowControl, DtrOn, RtsOn}));
}

TEST_F(SerialPeer, EscapedIacAndResetSignalReachThePeer) {
    serial->SetActive(true);
    serial->WriteString(std::string("\xFF\x01\xFF", 3));
    serial->SetSignal(ModemLine::Dtr, false);
    ASSERT_TRUE(peer.WaitFor(
        [](const Connections& c) {
            return c[0].data == std::string("\xFF\x01\xFF", 3) && c[0].controls.back() == DtrOff;
        },
        2000));
    peer.SendData(std::string("\xFF\xFF\x00", 3));
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return received.size() >= 3; }, 2000));
    EXPECT_EQ(received, std::string("\xFF\xFF\x00", 3));
}

TEST_F(SerialPeer, ModemAndLineNotificationsBecomeEventsInOrder) {
    std::vector<std::string> log;
    auto note = [&](const std::string& what) {
        return [&log, what](TSerial&) { log.push_back(what); };
    };
    serial->SetOnSignalChange([&](TSerial&, eModemInSignal line, bool state) {
        log.push_back(std::string(line == eModemInSignal::Cts   ? "CTS"
                                  : line == eModemInSignal::Dsr ? "DSR"
                                                                : "RLSD") +
                      (state ? "+" : "-"));
    });
    serial->SetOnBreak(note("break"));
    serial->SetOnRing(note("ring"));
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    peer.SendWire(ComPortCommand(NotifyModemstate + ServerOffset, std::string(1, '\x90')));
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return log.size() == 2; }, 2000));
    peer.SendWire(ComPortCommand(NotifyLinestate + ServerOffset, std::string(1, '\x10')));
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return log.size() == 3; }, 2000));
    peer.SendWire(ComPortCommand(NotifyModemstate + ServerOffset, std::string(1, '\x84')));
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return log.size() == 5; }, 2000));
    EXPECT_EQ(log, (std::vector<std::string>{"CTS+", "RLSD+", "break", "CTS-", "ring"}));
}

TEST_F(SerialPeer, HandlerThatClosesThePortEndsWhatItsWaitFound) {
    std::vector<eModemInSignal> seen;
    serial->SetOnSignalChange([&](TSerial& s, eModemInSignal line, bool) {
        seen.push_back(line);
        s.SetActive(false);
    });
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    // CTS and RLSD rise in one notification: one wait finds both.
    peer.SendWire(ComPortCommand(NotifyModemstate + ServerOffset, std::string(1, '\x90')));
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return !serial->Active(); }, 2000));
    EXPECT_EQ(seen, std::vector<eModemInSignal>{eModemInSignal::Cts});
}

// The server's last bytes and its hang-up come together: both are seen.
TEST_F(SerialPeer, DroppedConnectionIsReportedOnceAndNeverHangs) {
    serial->SetActive(true);
    ASSERT_TRUE(WaitControls(0, {NoFlowControl, DtrOn, RtsOn}));
    peer.SendData("bye");
    peer.DropConnection();
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return errors > 0; }, 2000));
    ServeFor(*serial, 30);
    EXPECT_EQ(received, "bye");
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(serial->ErrorCode(), ECONNRESET);
    serial->WriteString("x");
    EXPECT_NE(serial->ErrorCode(), 0);
    serial->SetActive(false);
    EXPECT_FALSE(serial->Active());
}

TEST_F(SerialNetwork, ServerWithoutComPortControlCarriesBytesAndGetsNoCommands) {
    Rfc2217Peer plain(true, false);
    PointAt(1, plain.Port());
    Make();
    serial->SetActive(true);
    EXPECT_TRUE(serial->Active());
    EXPECT_EQ(serial->ErrorCode(), EPROTONOSUPPORT);
    EXPECT_EQ(errors, 3); // settings, DTR, RTS
    serial->WriteString("hi");
    ASSERT_TRUE(plain.WaitFor([](const Connections& c) { return c[0].data == "hi"; }, 2000));
    EXPECT_TRUE(plain.Connections()[0].commands.empty());
}

TEST_F(SerialNetwork, RefusedConnectionLeavesThePortClosed) {
    Make();
    PointAt(3, FreeTcpPort());
    ASSERT_TRUE(serial->SetPort(3));
    serial->SetActive(true);
    EXPECT_FALSE(serial->Active());
    EXPECT_EQ(serial->ErrorCode(), ECONNREFUSED);
    EXPECT_EQ(errors, 1);
}

} // namespace
