#include "serial_fixture.h"
#include "serial_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// The component on COM1 = a pseudo-terminal.
struct SerialTty : SerialOwner {
    PtyPair pty;

    void SetUp() override {
        ASSERT_GE(pty.master, 0);
        folder.LinkCom(1, pty.slavePath);
        Make();
    }
};

TEST_F(SerialTty, OpensRaw19200EightNoneOneAndRaisesNoMessageForMissingModemLines) {
    serial->SetActive(true);
    ASSERT_TRUE(serial->Active());
    termios t{};
    ASSERT_EQ(tcgetattr(pty.master, &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B19200);
    EXPECT_EQ(cfgetispeed(&t), B19200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | INPCK | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    // A pseudo-terminal has no DTR or RTS: both raises fail into ErrorCode.
    EXPECT_EQ(serial->ErrorCode(), ENOTTY);
    EXPECT_EQ(errors, 2);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SerialTty, CarriesEveryByteValueBothWays) {
    serial->SetActive(true);
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    pty.WriteMaster(all);
    ASSERT_TRUE(ReceiveAtLeast(256));
    EXPECT_EQ(received, all);

    serial->WriteString(all);
    serial->WriteChar(0xFF);
    serial->WriteChar(0x00);
    EXPECT_EQ(pty.ReadMaster(258, 2000), all + "\xFF" + std::string(1, '\0'));
}

TEST_F(SerialTty, ReadCharOnEmptyQueueReturnsZeroAtOnce) {
    serial->SetActive(true);
    uint8_t c = 0x55;
    auto start = Clock::now();
    EXPECT_EQ(serial->ReadChar(c), 0);
    EXPECT_LT(ElapsedMs(start), 100);
    EXPECT_EQ(c, 0x55);
}

TEST_F(SerialTty, PurgeRxKeepsReceivedBytesAndRxWaitingCountsThem) {
    serial->SetOnRxData(nullptr);
    serial->SetActive(true);
    EXPECT_EQ(serial->RxWaiting(), 0);
    pty.WriteMaster("AB");
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return serial->RxWaiting() == 2; }, 2000));
    serial->PurgeRx();
    uint8_t a = 0, b = 0, c = 0;
    EXPECT_EQ(serial->ReadChar(a), 1);
    EXPECT_EQ(serial->ReadChar(b), 1);
    EXPECT_EQ(serial->ReadChar(c), 0);
    EXPECT_EQ(a, 'A');
    EXPECT_EQ(b, 'B');
}

TEST_F(SerialTty, LineChangeOnPseudoTerminalTakesTheErrorPathOnly) {
    serial->SetActive(true);
    errors = 0;
    serial->SetSignal(ModemLine::Dtr, false);
    EXPECT_EQ(serial->ErrorCode(), ENOTTY);
    EXPECT_EQ(errors, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(serial->Active());

    // With the default notification the system's text is shown instead.
    serial->SetNotifyErrors(eNotifyErr::Box);
    serial->SetSignal(ModemLine::Rts, true);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Inappropriate ioctl for device"});
}

TEST_F(SerialTty, MissingDeviceLeavesPortClosedWithErrorCodeAndNoMessage) {
    folder.LinkCom(5, "/dev/tessaro-no-such-device");
    ASSERT_TRUE(serial->SetPort(5));
    serial->SetActive(true);
    EXPECT_FALSE(serial->Active());
    EXPECT_EQ(serial->ErrorCode(), ENOENT);
    EXPECT_TRUE(dialogs.shown.empty());
    // Writing to the closed port is an error, not a crash.
    serial->WriteChar('x');
    EXPECT_EQ(serial->ErrorCode(), EBADF);
}

TEST_F(SerialTty, RefusedPortNumberAndBaudrateLeaveEverythingAsItWas) {
    serial->SetActive(true);
    int before = errors;
    EXPECT_FALSE(serial->SetPort(0));
    EXPECT_FALSE(serial->SetPort(10));
    EXPECT_EQ(serial->Port(), 1);
    EXPECT_TRUE(serial->Active());
    EXPECT_EQ(errors, before); // no close and reopen happened

    serial->SetBaudrate(12345);
    EXPECT_EQ(serial->Baudrate(), 19200);
    EXPECT_EQ(dialogs.shown,
              (std::vector<ScriptedDialogs::Shown>{{"error", "Baudrate is not valid"}}));
}

TEST_F(SerialTty, WriteStringThatCannotCompleteWaitsHalfASecondThenErrs) {
    serial->SetActive(true);
    errors = 0;
    // Output suspended on the line: nothing written can leave.
    ASSERT_EQ(tcflow(pty.slave, TCOOFF), 0);
    auto start = Clock::now();
    serial->WriteString("abc");
    long waited = ElapsedMs(start);
    EXPECT_GE(waited, 480);
    EXPECT_LT(waited, 1500);
    EXPECT_EQ(serial->ErrorCode(), ETIMEDOUT);
    EXPECT_EQ(errors, 1);
    tcflow(pty.slave, TCOON);
}

TEST_F(SerialTty, DeviceThatGoesAwayIsReportedOnce) {
    serial->SetActive(true);
    errors = 0;
    close(pty.master);
    pty.master = -1;
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return errors > 0; }, 2000));
    ServeFor(*serial, 30);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(serial->ErrorCode(), EIO);
    EXPECT_TRUE(serial->Waitables().empty()); // an event loop stops watching it
}

TEST_F(SerialTty, HandlerMayCloseThePortWithoutDeadlock) {
    serial->SetOnRxData([&](TSerial& s) { s.SetActive(false); });
    serial->SetActive(true);
    pty.WriteMaster("x");
    ASSERT_TRUE(ServeUntil(
        *serial, [&] { return !serial->Active(); }, 2000));
    // And the same port opens again afterwards.
    serial->SetActive(true);
    EXPECT_TRUE(serial->Active());
}

TEST_F(SerialTty, BytesLeftUnservedAtCloseAreDroppedAndTheReopenedPortServesNewOnes) {
    serial->SetActive(true);
    pty.WriteMaster("a");
    for (int i = 0; i < 2000 && serial->RxWaiting() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(serial->RxWaiting(), 1);
    serial->SetActive(false);
    EXPECT_FALSE(serial->ServeEvents(0));
    serial->SetActive(true);
    pty.WriteMaster("b");
    ASSERT_TRUE(ReceiveAtLeast(1));
    ServeFor(*serial, 20);
    EXPECT_EQ(received, "b");
}

TEST_F(SerialTty, DestroyingWhileBytesStreamReleasesTheDevice) {
    serial->SetActive(true);
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        while (!stop) {
            std::string chunk(64, 'q');
            [[maybe_unused]] ssize_t n = write(pty.master, chunk.data(), chunk.size());
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    const bool streaming = ReceiveAtLeast(1000);
    serial.reset();
    // The device is held exclusively while open: a new component gets it only
    // if the old one let go.
    Make();
    serial->SetActive(true);
    const bool reopened = serial->Active() && ReceiveAtLeast(received.size() + 64);
    stop = true;
    writer.join();
    EXPECT_TRUE(streaming);
    EXPECT_TRUE(reopened);
}

} // namespace
