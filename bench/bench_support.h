#pragma once

// Pieces shared by the benchmarks that put the program's serial component on
// one end of a line and measure from the other.
#include "link/rfc2217_codec.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace bench {
using namespace telnet;

// The far end of the line: a pty master or a socket, with a Telnet reader
// when it speaks for a network serial server.
struct FarEnd {
    int fd = -1;
    bool telnet = false;
    Reader reader;
    std::string pending;
    bool agreed = false;

    void Send(uint8_t b) const { [[maybe_unused]] ssize_t n = write(fd, &b, 1); }
    // Waits for count data bytes (and, on a network line, for the client to
    // offer COM-PORT-OPTION); false after a second without them.
    bool Receive(size_t count) {
        while (pending.size() < count || (telnet && !agreed)) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0)
                return false;
            uint8_t buffer[4096];
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            if (!telnet) {
                pending.append(reinterpret_cast<char*>(buffer), static_cast<size_t>(n));
                continue;
            }
            Input in;
            reader.Feed(buffer, static_cast<size_t>(n), in);
            pending += in.data;
            for (auto [verb, option] : in.negotiations) {
                if (verb == WILL && option == OptComPort) {
                    agreed = true;
                    std::string reply = Negotiation(DO, OptComPort);
                    [[maybe_unused]] ssize_t w = write(fd, reply.data(), reply.size());
                }
            }
        }
        pending.erase(0, count);
        return true;
    }
};

inline std::string NewProgramDir() {
    char pattern[] = "/tmp/tessaro-bench-XXXXXX";
    std::string dir = std::string(mkdtemp(pattern)) + "/";
    std::filesystem::create_directory(dir + "ports");
    return dir;
}

// A program folder whose COM1 is a network serial port on a loopback socket
// that listens in `server` (the far end accepts on it).
inline std::string NetworkProgramDir(int& server) {
    server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(server, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(server, 1);
    socklen_t size = sizeof a;
    getsockname(server, reinterpret_cast<sockaddr*>(&a), &size);
    const std::string dir = NewProgramDir();
    std::ofstream(dir + "ports/com1") << "rfc2217://127.0.0.1:" << ntohs(a.sin_port) << "\n";
    return dir;
}

inline void Report(benchmark::State& state, std::vector<double>& samples) {
    std::sort(samples.begin(), samples.end());
    if (samples.empty())
        return;
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

} // namespace bench
