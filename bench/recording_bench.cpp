// What a recording adds to one word of Program on the host's side: the 'Y'
// taken from the port, the next word written, the wait that follows, through
// a port that does nothing itself, bare and wrapped in a RecordingPort that
// writes to a file. The difference is the recording's cost per word; against
// the 1.56 ms a word exchange (three bytes) takes on the wire at 19200 baud it
// is the recording's share of a whole Program.
#include "link/recording_port.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// A port whose board says 'Y' to every word at once.
class EchoPort final : public SerialPort {
public:
    int Apply(const PortSettings&) override { return 0; }
    int SetLine(ModemLine, bool) override { return 0; }
    int Write(const std::string& bytes, int) override {
        written_ += bytes.size();
        return 0;
    }
    int ReadByte(uint8_t& byte, bool& got) override {
        byte = 'Y';
        got = true;
        return 0;
    }
    int TakeQueued(std::string& bytes) override {
        bytes += 'Y';
        return 0;
    }
    int PurgeAll() override { return 0; }
    int QueueCounts(int& rx, int& tx) override {
        rx = tx = 0;
        return 0;
    }
    int WaitEvents(PortEvents& events, PortWatch, int) override {
        events.RxChar = true;
        return 0;
    }
    std::vector<Waitable> Waitables() const override { return {}; }

private:
    std::size_t written_ = 0;
};

void Words(benchmark::State& state, SerialPort& port) {
    const std::string word("\x28\x05", 2);
    std::string answer;
    PortEvents events;
    for (auto _ : state) {
        answer.clear();
        port.TakeQueued(answer);
        port.Write(word, 100);
        port.WaitEvents(events, PortWatch{}, 0);
        benchmark::DoNotOptimize(answer);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_WordBare(benchmark::State& state) {
    EchoPort port;
    Words(state, port);
}

void BM_WordRecorded(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "tessaro_recording_bench.jsonl").string();
    std::string error;
    std::shared_ptr<SessionRecorder> recorder =
        SessionRecorder::Create(path, "\"chip\":\"16F877A\"", error);
    if (recorder == nullptr) {
        state.SkipWithError(error.c_str());
        return;
    }
    {
        RecordingPort port(std::make_unique<EchoPort>(), recorder);
        Words(state, port);
    }
    recorder.reset();
    state.counters["file_bytes_per_word"] =
        static_cast<double>(std::filesystem::file_size(path)) /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_WordBare);
BENCHMARK(BM_WordRecorded);
