// Board simulator speed: exchanges per second over RFC 2217 with pacing off (the
// simulator must never be what a test waits for), and a paced ReadROM against
// its wire time.
#include "board.h"
#include "in_process_link.h"
#include "rfc2217_server.h"

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace boardsim;

// Just enough of a Telnet client: sends raw data, reads data with IAC IAC undone.
class Client {
public:
    explicit Client(int port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        ok_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        const int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    ~Client() { ::close(fd_); }
    bool ok() const { return ok_; }

    void Send(const std::string& bytes) {
        ok_ = ok_ && ::send(fd_, bytes.data(), bytes.size(), 0) > 0;
    }

    // Reads until `count` data bytes have arrived; false on a closed connection.
    bool Read(std::size_t count) {
        std::size_t got = 0;
        char buffer[8192];
        while (ok_ && got < count) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0) {
                return ok_ = false;
            }
            for (ssize_t i = 0; i < n; ++i) {
                const bool iac = static_cast<unsigned char>(buffer[i]) == 0xFF;
                if (iac && !sawIac_) {
                    sawIac_ = true;
                    continue;
                }
                sawIac_ = false;
                ++got;
            }
        }
        return ok_;
    }

private:
    int fd_ = -1;
    bool ok_ = false;
    bool sawIac_ = false;
};

ChipConfig Chip14(int words) {
    ChipConfig config;
    config.core = CoreClass::Core14;
    config.romWords = words;
    return config;
}

void BM_EchoOverRfc2217(benchmark::State& state) {
    Board board(Model::Elm, Chip(Chip14(0x400)));
    Rfc2217Server server(board);
    std::string error;
    if (!server.Start("127.0.0.1", 0, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    Client client(server.Port());
    const std::string echo = {0x02, 'a'};
    for (auto _ : state) {
        client.Send(echo);
        if (!client.Read(1)) {
            state.SkipWithError("connection lost");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EchoOverRfc2217)->UseRealTime();

void BM_EchoInProcess(benchmark::State& state) {
    Board board(Model::Elm, Chip(Chip14(0x400)));
    InProcessLink link(board);
    const std::string echo = {0x02, 'a'};
    for (auto _ : state) {
        link.Write(echo);
        benchmark::DoNotOptimize(link.ReadDelivery());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EchoInProcess);

// A full ReadROM of 8K words at 19200 baud: 16,384 bytes of 10 bits.
void BM_PacedReadRom8K(benchmark::State& state) {
    constexpr int kWords = 0x2000;
    Board board(Model::Elm, Chip(Chip14(kWords)));
    board.SetPacing({true, 19200, 0});
    Rfc2217Server server(board);
    std::string error;
    if (!server.Start("127.0.0.1", 0, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    Client client(server.Port());
    const double wire = 2.0 * kWords * 10 / 19200;
    double measured = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        client.Send(std::string(1, 0x0B));
        if (!client.Read(2 * kWords)) {
            state.SkipWithError("connection lost");
            break;
        }
        measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["wire_s"] = wire;
    state.counters["measured_s"] = measured;
    state.counters["deviation_pct"] = 100.0 * (measured - wire) / wire;
}
BENCHMARK(BM_PacedReadRom8K)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
