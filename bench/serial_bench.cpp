// Latency of the serial component: from a byte written by the far end to the
// OnRxData handler running on the thread that serves the port, and one round trip (the far
// end sends 1 byte, the handler answers 2, the far end receives them), through
// a pseudo-terminal and through a network serial server on loopback.

#include "bench_support.h"
#include "link/rfc2217_codec.h"
#include "link/serial.h"
#include "platform/scripted_dialogs.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using namespace bench;

using Clock = std::chrono::steady_clock;

// The component on a thread of its own, which serves its port as the
// command-line program does.
class Rig {
public:
    Rig(std::string programDir, bool answer) : dir_(std::move(programDir)) {
        thread_ = std::thread([this, answer] { Run(answer); });
    }
    ~Rig() {
        stop_ = true;
        thread_.join();
        std::filesystem::remove_all(dir_);
    }
    void WaitOpen() { opened_.get_future().wait(); }
    std::atomic<int64_t> handled{0};

private:
    void Run(bool answer) {
        ScriptedDialogs dialogs;
        TSerial serial(&dialogs, std::vector<std::string>{dir_});
        serial.SetBaudrate(19200);
        serial.SetDataBits(eDataBits::Bits8);
        serial.SetCheckParity(false);
        serial.SetNotifyErrors(eNotifyErr::None);
        serial.SetOnRxData([&](TSerial& s) {
            uint8_t c = 0;
            bool any = false;
            while (s.ReadChar(c) == 1)
                any = true;
            if (!any)
                return;
            handled = Clock::now().time_since_epoch().count();
            if (answer)
                s.WriteString("ok");
        });
        serial.SetActive(true);
        opened_.set_value();
        while (!stop_)
            serial.ServeEvents(10);
    }

    std::string dir_;
    std::atomic<bool> stop_ = false;
    std::promise<void> opened_;
    std::thread thread_;
};

void Measure(benchmark::State& state, FarEnd& far, Rig& rig, bool roundTrip) {
    std::vector<double> samples;
    for (auto _ : state) {
        int64_t before = rig.handled;
        auto start = Clock::now();
        far.Send(0x55);
        if (roundTrip) {
            if (!far.Receive(2)) {
                state.SkipWithError("no answer");
                break;
            }
        } else {
            while (rig.handled == before)
                std::this_thread::yield();
        }
        auto end = roundTrip ? Clock::now() : Clock::time_point(Clock::duration(rig.handled));
        double us = std::chrono::duration<double, std::micro>(end - start).count();
        samples.push_back(us);
        state.SetIterationTime(us / 1e6);
    }
    Report(state, samples);
}

void ThroughPty(benchmark::State& state, bool roundTrip) {
    int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    grantpt(master);
    unlockpt(master);
    std::string slavePath = ptsname(master);
    int slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC); // keeps the line up
    std::string dir = NewProgramDir();
    std::filesystem::create_symlink(slavePath, dir + "ports/com1");
    FarEnd far;
    far.fd = master;
    {
        Rig rig(dir, roundTrip);
        rig.WaitOpen();
        Measure(state, far, rig, roundTrip);
    }
    close(slave);
    close(master);
}

void ThroughNetwork(benchmark::State& state, bool roundTrip) {
    int server = -1;
    const std::string dir = NetworkProgramDir(server);
    FarEnd far;
    far.telnet = true;
    {
        Rig rig(dir, roundTrip);
        far.fd = accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
        int one = 1;
        setsockopt(far.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        far.Receive(0); // answers the opening negotiation
        rig.WaitOpen();
        Measure(state, far, rig, roundTrip);
        close(far.fd);
    }
    close(server);
}

void BM_PtyByteToOnRxData(benchmark::State& state) {
    ThroughPty(state, false);
}
void BM_PtyRoundTrip(benchmark::State& state) {
    ThroughPty(state, true);
}
void BM_NetworkByteToOnRxData(benchmark::State& state) {
    ThroughNetwork(state, false);
}
void BM_NetworkRoundTrip(benchmark::State& state) {
    ThroughNetwork(state, true);
}

} // namespace

BENCHMARK(BM_PtyByteToOnRxData)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PtyRoundTrip)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NetworkByteToOnRxData)
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NetworkRoundTrip)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
