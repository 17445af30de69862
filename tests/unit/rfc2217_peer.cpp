#include "rfc2217_peer.h"

#include <chrono>

using namespace telnet;

Rfc2217Peer::Rfc2217Peer(bool answerControls, bool takeComPort)
    : answerControls_(answerControls), takeComPort_(takeComPort) {
    std::string error;
    if (sockets_.Listen("127.0.0.1", 0, error))
        thread_ = std::thread([this] { Loop(); });
}

Rfc2217Peer::~Rfc2217Peer() {
    stop_ = true;
    sockets_.Wake();
    if (thread_.joinable())
        thread_.join();
    sockets_.Close();
}

std::vector<Rfc2217Peer::Connection> Rfc2217Peer::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

bool Rfc2217Peer::WaitFor(const std::function<bool(const std::vector<Connection>&)>& done,
                          int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done(Connections())) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void Rfc2217Peer::SendData(const std::string& bytes) {
    SendWire(EscapeIac(bytes));
}

void Rfc2217Peer::SendWire(const std::string& wire) {
    {
        std::lock_guard lock(mutex_);
        outgoing_ += wire;
    }
    sockets_.Wake();
}

void Rfc2217Peer::DropConnection() {
    {
        std::lock_guard lock(mutex_);
        drop_ = true;
    }
    sockets_.Wake();
}

void Rfc2217Peer::Loop() {
    while (!stop_) {
        boardsim::ServerSockets::Ready ready;
        if (!sockets_.Wait(5000, ready))
            return;
        if (ready.connection) {
            const bool hadClient = sockets_.HasClient();
            if (sockets_.Accept()) {
                std::lock_guard lock(mutex_);
                if (hadClient)
                    connections_.back().closed = true;
                connections_.emplace_back();
                reader_ = Reader();
            }
        }
        if (ready.client && sockets_.HasClient())
            Serve();
        Flush();
    }
}

// What the client sent: its data recorded, its negotiation and commands answered.
void Rfc2217Peer::Serve() {
    char buffer[4096];
    const long n = sockets_.Receive(buffer, sizeof buffer);
    if (n < 0)
        return;
    std::lock_guard lock(mutex_);
    if (n == 0) {
        sockets_.CloseClient();
        connections_.back().closed = true;
        return;
    }
    Input in;
    reader_.Feed(reinterpret_cast<const uint8_t*>(buffer), static_cast<size_t>(n), in);
    std::string reply;
    Answer(in, connections_.back(), reply);
    sockets_.Send(reply.data(), reply.size());
}

void Rfc2217Peer::Answer(const Input& in, Connection& c, std::string& reply) const {
    c.data += in.data;
    for (auto [verb, option] : in.negotiations) {
        if (verb == WILL && option == OptComPort)
            reply += Negotiation(takeComPort_ ? DO : DONT, option);
        if (verb == WILL && option == OptBinary)
            reply += Negotiation(DO, option);
        if (verb == DO && option == OptBinary)
            reply += Negotiation(WILL, option);
    }
    for (const std::string& sub : in.subnegotiations) {
        if (sub.size() < 3 || static_cast<uint8_t>(sub[0]) != OptComPort)
            continue;
        auto command = static_cast<uint8_t>(sub[1]);
        c.commands.push_back(command);
        if (command == SetControl)
            c.controls.push_back(static_cast<uint8_t>(sub[2]));
        if (command != SetControl || answerControls_)
            reply += ComPortCommand(static_cast<uint8_t>(command + ServerOffset), sub.substr(2));
    }
}

// What the test asked for: bytes to send (kept until a client is there), then
// a dropped connection.
void Rfc2217Peer::Flush() {
    std::lock_guard lock(mutex_);
    if (!outgoing_.empty() && sockets_.HasClient()) {
        sockets_.Send(outgoing_.data(), outgoing_.size());
        outgoing_.clear();
    }
    if (drop_ && sockets_.HasClient()) {
        sockets_.CloseClient();
        connections_.back().closed = true;
    }
    drop_ = false;
}
