// The engine on the wire.
// - Turnaround of one paced exchange: the board's 'Y' in, the next program word
//   out, through the whole host path (the wait on the port, engine, write)
//   over a network serial port on loopback.
// - Program and verify of whole chips against the simulated board paced at
//   19200 baud with no write time, as the ratio of the time taken to the wire
//   time of every byte exchanged (1.00 is a host that never makes the line wait).

#include "bench_hosts.h"
#include "bench_support.h"

#include "boardsim.h"
#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "image/reset_code_memory.h"
#include "link/serial.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "protocol/engine.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <future>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>

// The engine's record, for putting it straight into the program memory stream.
struct EngineProbe {
    static ProtocolStateRecord& Record(ProgrammerEngine& engine) { return engine.Protocol; }
};

namespace {
using namespace bench;
using Clock = std::chrono::steady_clock;

// A host that only talks to the line: no window, no boxes to read.
class LineHost : public QuietHost {
public:
    explicit LineHost(TSerial& serial) : serial_(serial) {}
    void Send(const std::string& bytes) override {
        sent += static_cast<long>(bytes.size());
        serial_.WriteString(bytes);
    }
    void SetProgrammerReset(bool level) override { serial_.SetSignal(ModemLine::Dtr, level); }
    std::string PortName() const override {
        return serial_.Active() ? ComCaption(serial_.Port()) : "";
    }

    long sent = 0;
    long received = 0;

private:
    TSerial& serial_;
};

// The serial component set up as the program sets it up, on COM1 of `dir`.
void Configure(TSerial& serial, ProgrammerEngine& engine, LineHost& host) {
    serial.SetBaudrate(19200);
    serial.SetDataBits(eDataBits::Bits8);
    serial.SetCheckParity(false);
    serial.SetNotifyErrors(eNotifyErr::None);
    serial.SetOnRxData([&](TSerial& s) {
        std::string bytes;
        uint8_t c = 0;
        while (s.ReadChar(c) == 1)
            bytes += static_cast<char>(c);
        host.received += static_cast<long>(bytes.size());
        engine.OnBytes(bytes);
    });
    serial.SetActive(true);
}

// Serves the port on this thread, as tessaro-cli does, until done() holds
// (true) or the time is up.
bool ServeUntil(TSerial& serial, const std::function<bool()>& done, int timeoutMs) {
    const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (Clock::now() >= until)
            return false;
        serial.ServeEvents(10);
    }
    return true;
}

// ---- Turnaround of a paced exchange ----

void BM_PacedWordTurnaround(benchmark::State& state) {
    int server = -1;
    const std::string dir = NetworkProgramDir(server);

    std::atomic<bool> stop = false;
    std::promise<void> ready;
    std::thread host([&] {
        ChipRecord chip;
        chip.ROMSize = 0x2000;
        chip.WordMask = 0x3FFF;
        MemoryImage image;
        image.ROMData.assign(0x2001, 0x2A55);
        image.IDText = "FFFF";
        ScriptedDialogs dialogs;
        TSerial serial(&dialogs, std::vector<std::string>{dir});
        LineHost lineHost(serial);
        ProgrammerEngine engine(EngineHosts::Of(lineHost), chip, image);
        Configure(serial, engine, lineHost);
        // In the middle of a long program memory write: every 'Y' asks for a word.
        EngineProbe::Record(engine).ProtocolState = EngineState::ProgramRomWords;
        EngineProbe::Record(engine).ROMProgLength = 0x2000;
        ready.set_value();
        while (!stop)
            serial.ServeEvents(10);
    });
    FarEnd far;
    far.telnet = true;
    far.fd = accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
    int one = 1;
    setsockopt(far.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    far.Receive(0);
    ready.get_future().wait();
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        far.Send('Y');
        if (!far.Receive(2)) {
            state.SkipWithError("no word came back");
            break;
        }
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        samples.push_back(us);
        state.SetIterationTime(us / 1e6);
    }
    Report(state, samples);
    stop = true;
    close(far.fd);
    host.join();
    close(server);
    std::filesystem::remove_all(dir);
}

// ---- Whole chips at wire speed ----

boardsim::Chip SocketChip(const std::string& name) {
    std::vector<std::string> lines;
    boardsim::ReadTextLines(TESSARO_SOURCE_DIR "/data/chipinfo.cid", lines);
    return boardsim::Chip(boardsim::FindChipInfo(lines, name).config);
}

// Runs one operation to its end on this thread; its time in seconds, or -1.
double RunOperation(TSerial& serial, ProgrammerEngine& engine,
                    StartResult (ProgrammerEngine::*op)(const OperationOptions&)) {
    const auto start = Clock::now();
    (engine.*op)({});
    if (!ServeUntil(
            serial, [&] { return engine.Idle(); }, 600000) ||
        engine.Outcome() != Outcome::Done)
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every byte exchanged so far, one after the other on the line: 10 bits each.
double WireSeconds(const LineHost& host, int baud) {
    return static_cast<double>(host.sent + host.received) * 10.0 / baud;
}

void BM_ProgramAndVerifyAtWireSpeed(benchmark::State& state, const std::string& name) {
    constexpr int kBaud = 19200;
    boardsim::Board board(boardsim::Model::Birch_A, SocketChip(name));
    board.SetPacing({true, kBaud, 0, 0});
    boardsim::Rfc2217Server server(board);
    std::string error;
    server.Start("127.0.0.1", 0, error);
    const std::string dir = NewProgramDir();
    std::ofstream(dir + "ports/com1") << "rfc2217://127.0.0.1:" << server.Port() << "\n";

    ChipRecord chip = ShippedChip(name);
    MemoryImage image;
    ResetImage(image, chip, false, false, true, dir);
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.ROMSize); ++i)
        image.ROMData[i] = static_cast<int>(i * 7 + 1) & chip.WordMask & 0x7FFE;
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.EEPROMSize); ++i)
        image.EEPROMData[i] = static_cast<int>(i & 0x7F);
    ScriptedDialogs dialogs;
    TSerial serial(&dialogs, std::vector<std::string>{dir});
    LineHost host(serial);
    image.IDText = chip.IsWide() ? "12345678" : "1234";
    ProgrammerEngine engine(EngineHosts::Of(host), chip, image);
    Configure(serial, engine, host);
    ServeUntil(
        serial, [] { return false; }, 50); // the line settles

    double seconds = 0, wire = 0;
    for (auto _ : state) {
        board.chip().Blank();
        host.sent = host.received = 0;
        const double program = RunOperation(serial, engine, &ProgrammerEngine::Program);
        const double programWire = WireSeconds(host, kBaud);
        const double verify = RunOperation(serial, engine, &ProgrammerEngine::Verify);
        const double verifyWire = WireSeconds(host, kBaud) - programWire;
        // Program is one round trip a word, verify one long stream: their
        // ratios tell the host's turnaround from its reading speed.
        state.counters["program_ratio"] = program / programWire;
        state.counters["verify_ratio"] = verify / verifyWire;
        if (program < 0 || verify < 0) {
            state.SkipWithError("the operation did not complete");
            break;
        }
        seconds = program + verify;
        wire = WireSeconds(host, kBaud);
        state.SetIterationTime(seconds);
        state.counters["program_s"] = program;
        // Automatic mode adds its two 200 ms socket pauses to each chip.
        state.counters["chips_per_hour"] = 3600.0 / (program + 0.4);
    }
    state.counters["wire_s"] = wire;
    state.counters["ratio"] = wire > 0 ? seconds / wire : 0;
    serial.SetActive(false);
    server.Stop();
    std::filesystem::remove_all(dir);
}

} // namespace

BENCHMARK(BM_PacedWordTurnaround)->UseManualTime()->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ProgramAndVerifyAtWireSpeed, 16F877A, std::string("16F877A"))
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_ProgramAndVerifyAtWireSpeed, 18F452, std::string("18F452"))
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
