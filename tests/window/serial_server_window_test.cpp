// The window's wait on the board's port (QtSerialServer): while the board
// talks, its bytes are waited for on the port itself, the event loop's turns
// in between included, and the loop still has those turns.
#include "link/serial.h"
#include "link/serial_dispatch_qt.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A board that says `bytes` bytes, each one ready a millisecond after the one
// before was taken (as a 'Y' follows the word it asked for), then nothing. It
// gives the event loop nothing to watch, so only the server's own waits and
// its looks find the bytes.
class TalkingPort : public SerialPort {
public:
    struct Record {
        int taken = 0;
        // Looks (waits of no time) that found nothing while the board was
        // talking, and of those the ones the next call was not a wait after.
        int emptyLooks = 0;
        int emptyLooksNotWaitedOn = 0;
    };
    TalkingPort(int bytes, Record& record) : left_(bytes), record_(record) {}

    int Apply(const PortSettings&) override { return 0; }
    int SetLine(ModemLine, bool) override { return 0; }
    int Write(const std::string&, int) override { return 0; }
    int ReadByte(uint8_t&, bool& got) override {
        got = false;
        return 0;
    }
    int TakeQueued(std::string& bytes) override {
        bytes += queued_;
        queued_.clear();
        return 0;
    }
    int PurgeAll() override { return 0; }
    int QueueCounts(int& rx, int& tx) override {
        rx = static_cast<int>(queued_.size());
        tx = 0;
        return 0;
    }
    std::vector<Waitable> Waitables() const override { return {}; }

    int WaitEvents(PortEvents& e, PortWatch, int timeoutMs) override {
        if (lookedEmpty_ && timeoutMs == 0)
            ++record_.emptyLooksNotWaitedOn;
        lookedEmpty_ = false;
        const auto limit = Clock::now() + milliseconds(timeoutMs);
        if (left_ == 0) {
            std::this_thread::sleep_until(limit);
            return 0;
        }
        if (Clock::now() < readyAt_) {
            if (timeoutMs == 0) {
                ++record_.emptyLooks;
                lookedEmpty_ = true;
                return 0;
            }
            std::this_thread::sleep_until(std::min(limit, readyAt_));
            if (Clock::now() < readyAt_)
                return 0;
        }
        queued_ += 'Y';
        --left_;
        readyAt_ = Clock::now() + milliseconds(1);
        e.RxChar = true;
        return 0;
    }

private:
    int left_;
    Record& record_;
    std::string queued_;
    Clock::time_point readyAt_;
    bool lookedEmpty_ = false;
};

struct ServedBoard {
    explicit ServedBoard(int bytes) : serial(nullptr, {}) {
        serial.SetNotifyErrors(eNotifyErr::Event);
        serial.SetPortOpener([this, bytes](const PortTarget&) {
            return OpenResult{std::make_unique<TalkingPort>(bytes, record), 0};
        });
        serial.SetOnRxData([this](TSerial& s) {
            std::string bytes;
            s.ReadReceived(bytes);
            record.taken += static_cast<int>(bytes.size());
        });
        server = std::make_unique<QtSerialServer>(serial);
        serial.SetActive(true);
    }

    // Runs the event loop until `bytes` were taken or 10 s have passed.
    bool RunUntilTaken(int bytes) {
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, &loop, [&] {
            if (record.taken >= bytes)
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        look.start(5);
        loop.exec();
        return record.taken >= bytes;
    }

    TalkingPort::Record record;
    TSerial serial;
    std::unique_ptr<QtSerialServer> server;
};

TEST(SerialServerWindow, WhileTheBoardTalksItIsWaitedForOnThePortAndTheLoopStillHasItsTurns) {
    constexpr int kBytes = 300; // at least 300 ms of talk: many slices of the server's
    ServedBoard board(kBytes);
    int takenAtTurn = -1;
    QTimer::singleShot(30, [&] { takenAtTurn = board.record.taken; });
    ASSERT_TRUE(board.RunUntilTaken(kBytes)) << board.record.taken << " bytes taken";
    // The loop had its turn while the board was still talking.
    EXPECT_GT(takenAtTurn, 0);
    EXPECT_LT(takenAtTurn, kBytes);
    // After each turn the server looks at the port; a byte not there yet is
    // waited for on the port, not left to the loop's next look at it.
    EXPECT_EQ(board.record.emptyLooksNotWaitedOn, 0)
        << "of " << board.record.emptyLooks << " looks that found nothing";
}

} // namespace
