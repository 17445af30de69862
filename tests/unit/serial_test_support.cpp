#include "serial_test_support.h"

#include "link/serial.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

using namespace telnet;

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == ENOTSOCK)
            n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 10);
        } else {
            return;
        }
    }
}

bool CanConnect(int port) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(fd);
    return ok;
}

} // namespace

bool ServeUntil(TSerial& serial, const std::function<bool()>& done, int timeoutMs) {
    const int64_t deadline = NowMs() + timeoutMs;
    while (!done()) {
        const int64_t left = deadline - NowMs();
        if (left <= 0)
            return false;
        if (!serial.ServeEvents(static_cast<int>(std::min<int64_t>(left, 10))))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

PtyPair::PtyPair() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return;
    slavePath = ptsname(master);
    slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios t{};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    if (slave >= 0)
        close(slave);
    if (master >= 0)
        close(master);
}

void PtyPair::WriteMaster(const std::string& bytes) const {
    WriteAll(master, bytes);
}

std::string PtyPair::ReadMaster(size_t count, int timeoutMs) const {
    std::string out;
    int64_t deadline = NowMs() + timeoutMs;
    while (out.size() < count) {
        int64_t left = deadline - NowMs();
        pollfd p{master, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        char buffer[512];
        ssize_t n = read(master, buffer, std::min(sizeof buffer, count - out.size()));
        if (n <= 0)
            break;
        out.append(buffer, static_cast<size_t>(n));
    }
    return out;
}

Rfc2217Peer::Rfc2217Peer(bool answerControls, bool takeComPort)
    : answerControls_(answerControls), takeComPort_(takeComPort) {
    listen_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(listen_, 4);
    socklen_t size = sizeof a;
    getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &size);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Loop(); });
}

Rfc2217Peer::~Rfc2217Peer() {
    stop_ = true;
    thread_.join();
    if (client_ >= 0)
        close(client_);
    close(listen_);
}

std::vector<Rfc2217Peer::Connection> Rfc2217Peer::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

bool Rfc2217Peer::WaitFor(const std::function<bool(const std::vector<Connection>&)>& done,
                          int timeoutMs) const {
    int64_t deadline = NowMs() + timeoutMs;
    while (!done(Connections())) {
        if (NowMs() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void Rfc2217Peer::SendData(const std::string& bytes) {
    std::lock_guard lock(mutex_);
    if (client_ >= 0)
        WriteAll(client_, EscapeIac(bytes));
}

void Rfc2217Peer::SendWire(const std::string& wire) {
    std::lock_guard lock(mutex_);
    if (client_ >= 0)
        WriteAll(client_, wire);
}

void Rfc2217Peer::DropConnection() {
    std::lock_guard lock(mutex_);
    if (client_ < 0)
        return;
    close(client_);
    client_ = -1;
    connections_.back().closed = true;
}

void Rfc2217Peer::Loop() {
    while (!stop_) {
        int client = -1;
        {
            std::lock_guard lock(mutex_);
            client = client_;
        }
        pollfd fds[2] = {{listen_, POLLIN, 0}, {client, POLLIN, 0}};
        if (poll(fds, client >= 0 ? 2 : 1, 5) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            int fd = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            int one = 1;
            setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            std::lock_guard lock(mutex_);
            if (client_ >= 0) {
                close(client_);
                connections_.back().closed = true;
            }
            client_ = fd;
            connections_.emplace_back();
            reader_ = Reader();
            continue;
        }
        if (client >= 0 && fds[1].revents)
            Serve(client);
    }
}

void Rfc2217Peer::Serve(int fd) {
    uint8_t buffer[4096];
    ssize_t n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    std::lock_guard lock(mutex_);
    if (fd != client_)
        return;
    if (n <= 0) {
        close(client_);
        client_ = -1;
        connections_.back().closed = true;
        return;
    }
    Input in;
    reader_.Feed(buffer, static_cast<size_t>(n), in);
    Connection& c = connections_.back();
    c.data += in.data;
    std::string reply;
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
    WriteAll(fd, reply);
}

Ser2net::Ser2net(const std::string& device, int tcpPort) {
    char pattern[] = "/tmp/tessaro-ser2net-XXXXXX";
    dir_ = std::string(mkdtemp(pattern)) + "/";
    std::string config = dir_ + "ser2net.yaml";
    std::ofstream(config) << "%YAML 1.1\n---\nconnection: &serial\n"
                          << "  accepter: telnet(rfc2217),tcp,127.0.0.1," << tcpPort << "\n"
                          << "  connector: serialdev," << device << ",19200n81,local\n";
    std::string pidFile = dir_ + "ser2net.pid";
    std::vector<std::string> args = {"ser2net", "-n", "-d", "-u", "-P", pidFile, "-c", config};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid_, "ser2net", &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    int64_t deadline = NowMs() + 5000;
    while (pid_ > 0 && !started_ && NowMs() < deadline) {
        started_ = CanConnect(tcpPort);
        if (!started_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Ser2net::~Ser2net() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(dir_);
}
