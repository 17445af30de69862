#pragma once

#include "board.h"
#include "server_sockets.h"
#include "telnet_codec.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace boardsim {

// Serves one board as a network serial port (Telnet COM-PORT-OPTION, RFC 2217)
// on a TCP port. One client at a time; a new connection replaces the old one,
// and a closed connection drops DTR and RTS like a closed port. The board's
// clock is real time, so pacing gives wire-speed answers.
class Rfc2217Server {
public:
    explicit Rfc2217Server(Board& board);
    // A board that is not simulated (a recording's): WithBoard is not for it.
    explicit Rfc2217Server(WireBoard& wire);
    ~Rfc2217Server();
    Rfc2217Server(const Rfc2217Server&) = delete;
    Rfc2217Server& operator=(const Rfc2217Server&) = delete;

    // Binds HOST:PORT (port 0 picks a free one) and starts serving; false and a
    // reason when the address cannot be used.
    bool Start(const std::string& host, int port, std::string& error);
    void Stop();
    int Port() const { return sockets_.Port(); }

    // Runs fn(board) with the board locked and its clock set, then sends what it queued.
    template <class F> decltype(auto) WithBoard(F&& fn) {
        struct Waker {
            Rfc2217Server& server;
            ~Waker() { server.Wake(); }
        } waker{*this};
        std::lock_guard<std::mutex> lock(mutex_);
        board_->SetTime(NowUs());
        return fn(*board_);
    }

private:
    void Run();
    void Accept();
    void ReadClient();
    void FlushBoard();
    void SendAll(const std::string& bytes);
    void DropClient();
    void DropBoardLines();
    void Wake();
    std::int64_t TimeoutUs(); // until the next answer is due; -1 when none is queued
    std::int64_t NowUs() const;

    WireBoard& wire_;
    Board* const board_; // the same board as simulated; null for another
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    TelnetServerCodec codec_;
    ServerSockets sockets_;
    bool broken_ = false; // a send to the client failed; it is dropped after the flush
};

} // namespace boardsim
