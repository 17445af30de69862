#include "rfc2217_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace boardsim {

namespace {
constexpr int kReadChunk = 4096;

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}
} // namespace

Rfc2217Server::Rfc2217Server(Board& board) : board_(board) {}

Rfc2217Server::~Rfc2217Server() {
    Stop();
}

std::int64_t Rfc2217Server::NowUs() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

bool Rfc2217Server::Start(const std::string& host, int port, std::string& error) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (port < 0 || port > 65535 || ::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address and port: " + host + ":" + std::to_string(port);
        return false;
    }
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        ::listen(listenFd_, 4)) {
        error = std::string("cannot listen: ") + std::strerror(errno);
        CloseFd(listenFd_);
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = std::string("cannot create a pipe: ") + std::strerror(errno);
        CloseFd(listenFd_);
        return false;
    }
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
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
    CloseFd(clientFd_);
    CloseFd(listenFd_);
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
}

void Rfc2217Server::Wake() {
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(wakeWrite_, &byte, 1);
    }
}

std::int64_t Rfc2217Server::TimeoutUs() {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::int64_t next = board_.NextReadyTime();
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
    // Paced answers are due a fraction of a millisecond apart: wake on time.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    while (!stop_) {
        pollfd fds[3] = {{wakeRead_, POLLIN, 0}, {listenFd_, POLLIN, 0}, {clientFd_, POLLIN, 0}};
        const nfds_t count = clientFd_ >= 0 ? 3 : 2;
        std::int64_t waitUs = TimeoutUs();
        if (waitUs > kAwakeUs) {
            waitUs -= kAwakeUs;
        } else if (waitUs > 0) {
            const std::int64_t due = NowUs() + waitUs;
            while (NowUs() < due) {
            }
            waitUs = 0;
        }
        timespec wait{waitUs / 1'000'000, (waitUs % 1'000'000) * 1000};
        if (::ppoll(fds, count, waitUs < 0 ? nullptr : &wait, nullptr) < 0 && errno != EINTR) {
            break;
        }
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
        }
        if (fds[1].revents & POLLIN) {
            Accept();
        }
        if (count == 3 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR))) {
            ReadClient();
        }
        FlushBoard();
    }
}

void Rfc2217Server::Accept() {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return;
    }
    DropClient();
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    clientFd_ = fd;
    codec_ = TelnetServerCodec{};
    std::lock_guard<std::mutex> lock(mutex_);
    codec_.SetLines(board_.Dtr(), board_.Rts());
}

void Rfc2217Server::DropClient() {
    if (clientFd_ < 0) {
        return;
    }
    CloseFd(clientFd_);
    // A closed port lets DTR and RTS fall.
    std::lock_guard<std::mutex> lock(mutex_);
    board_.SetTime(NowUs());
    board_.SetDtr(false);
    board_.SetRts(false);
    board_.TakeReady();
}

void Rfc2217Server::ReadClient() {
    char buffer[kReadChunk];
    const ssize_t got = ::recv(clientFd_, buffer, sizeof buffer, 0);
    const std::int64_t arrived = NowUs();
    if (got <= 0) {
        if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
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
    board_.SetTime(arrived);
    for (const PortEvent& event : events) {
        switch (event.kind) {
        case PortEvent::Kind::Data:
            board_.Receive(event.data);
            break;
        case PortEvent::Kind::Dtr:
            board_.SetDtr(event.value != 0);
            break;
        case PortEvent::Kind::Rts:
            board_.SetRts(event.value != 0);
            break;
        case PortEvent::Kind::Baud: {
            Pacing pacing = board_.pacing();
            pacing.baud = event.value;
            board_.SetPacing(pacing);
            break;
        }
        case PortEvent::Kind::Purge:
            break; // answers are sent as soon as they are ready: nothing waits to be purged
        }
    }
}

void Rfc2217Server::FlushBoard() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        board_.SetTime(NowUs());
        // Each delivery goes out in its own write, so a reader sees the pieces apart
        // whenever they are apart in time.
        for (std::string piece = board_.TakeDelivery(); !piece.empty();
             piece = board_.TakeDelivery()) {
            if (clientFd_ >= 0 && !broken_) {
                SendAll(TelnetServerCodec::Escape(piece));
                board_.SentDelivery(piece, NowUs());
            }
        }
    }
    if (broken_) {
        broken_ = false;
        DropClient();
    }
}

void Rfc2217Server::SendAll(const std::string& bytes) {
    std::size_t sent = 0;
    while (clientFd_ >= 0 && !broken_ && sent < bytes.size()) {
        const ssize_t n = ::send(clientFd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            broken_ = true;
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

} // namespace boardsim
