#include "rfc2217_server.h"

#include "sim_system.h"

#include <algorithm>

namespace boardsim {

namespace {
constexpr int kReadChunk = 4096;
} // namespace

Rfc2217Server::Rfc2217Server(Board& board) : wire_(board), board_(&board) {}

Rfc2217Server::Rfc2217Server(WireBoard& wire) : wire_(wire), board_(nullptr) {}

Rfc2217Server::~Rfc2217Server() {
    Stop();
}

std::int64_t Rfc2217Server::NowUs() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

bool Rfc2217Server::Start(const std::string& host, int port, std::string& error) {
    if (!sockets_.Listen(host, port, error))
        return false;
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void Rfc2217Server::Stop() {
    if (thread_.joinable()) {
        stop_ = true;
        Wake();
        thread_.join();
    }
    sockets_.Close();
}

void Rfc2217Server::Wake() {
    sockets_.Wake();
}

std::int64_t Rfc2217Server::TimeoutUs() {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::int64_t next = wire_.NextReadyTime();
    if (next < 0) {
        return -1;
    }
    return std::max<std::int64_t>(next - NowUs(), 0);
}

namespace {
// A sleep wakes some tens of microseconds late: a paced answer is waited for
// asleep until this close to its time, and awake from there.
constexpr std::int64_t kAwakeUs = 200;
} // namespace

void Rfc2217Server::Run() {
    WakePromptly();
    while (!stop_) {
        std::int64_t waitUs = TimeoutUs();
        if (waitUs > kAwakeUs) {
            waitUs -= kAwakeUs;
        } else if (waitUs > 0) {
            const std::int64_t due = NowUs() + waitUs;
            while (NowUs() < due) {
            }
            waitUs = 0;
        }
        ServerSockets::Ready ready;
        if (!sockets_.Wait(waitUs, ready)) {
            break;
        }
        if (ready.connection) {
            Accept();
        }
        if (ready.client) {
            ReadClient();
        }
        FlushBoard();
    }
}

void Rfc2217Server::Accept() {
    const bool replacing = sockets_.HasClient();
    if (!sockets_.Accept()) {
        return;
    }
    if (replacing) {
        DropBoardLines();
    }
    codec_ = TelnetServerCodec{};
    std::lock_guard<std::mutex> lock(mutex_);
    codec_.SetLines(wire_.Dtr(), wire_.Rts());
}

void Rfc2217Server::DropClient() {
    if (!sockets_.HasClient()) {
        return;
    }
    sockets_.CloseClient();
    DropBoardLines();
}

// A closed port lets DTR and RTS fall.
void Rfc2217Server::DropBoardLines() {
    std::lock_guard<std::mutex> lock(mutex_);
    wire_.SetTime(NowUs());
    wire_.SetDtr(false);
    wire_.SetRts(false);
    wire_.TakeReady();
}

void Rfc2217Server::ReadClient() {
    char buffer[kReadChunk];
    const long got = sockets_.Receive(buffer, sizeof buffer);
    const std::int64_t arrived = NowUs();
    if (got <= 0) {
        if (got == 0) {
            DropClient();
        }
        return;
    }
    std::string reply;
    const auto events = codec_.Feed(std::string_view(buffer, static_cast<std::size_t>(got)), reply);
    if (!reply.empty()) {
        SendAll(reply);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    wire_.SetTime(arrived);
    for (const PortEvent& event : events) {
        switch (event.kind) {
        case PortEvent::Kind::Data:
            wire_.Receive(event.data);
            break;
        case PortEvent::Kind::Dtr:
            wire_.SetDtr(event.value != 0);
            break;
        case PortEvent::Kind::Rts:
            wire_.SetRts(event.value != 0);
            break;
        case PortEvent::Kind::Baud:
            wire_.SetBaud(event.value);
            break;
        case PortEvent::Kind::Purge:
            break; // answers are sent as soon as they are ready: nothing waits to be purged
        }
    }
}

void Rfc2217Server::FlushBoard() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wire_.SetTime(NowUs());
        // Each delivery goes out in its own write, so a reader sees the pieces apart
        // whenever they are apart in time.
        for (std::string piece = wire_.TakeDelivery(); !piece.empty();
             piece = wire_.TakeDelivery()) {
            if (sockets_.HasClient() && !broken_) {
                SendAll(TelnetServerCodec::Escape(piece));
                wire_.SentDelivery(piece, NowUs());
            }
        }
    }
    if (broken_) {
        broken_ = false;
        DropClient();
    }
}

void Rfc2217Server::SendAll(const std::string& bytes) {
    if (sockets_.HasClient() && !broken_ && !sockets_.Send(bytes.data(), bytes.size())) {
        broken_ = true;
    }
}

} // namespace boardsim
