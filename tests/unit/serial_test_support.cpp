#include "serial_test_support.h"

#include "test_socket.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
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
    return TestSocket(port).Connected();
}

} // namespace

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

Ser2net::Ser2net(const std::string& device, int tcpPort) {
    char pattern[] = "/tmp/tessaro-ser2net-XXXXXX";
    dir_ = std::string(mkdtemp(pattern)) + "/";
    std::string config = dir_ + "ser2net.yaml";
    std::ofstream(config) << "%YAML 1.1\n---\nconnection: &serial\n"
                          << "  accepter: telnet(rfc2217),tcp,127.0.0.1," << tcpPort << "\n"
                          << "  connector: serialdev," << device << ",19200n81,local\n";
    process_.emplace("ser2net", std::vector<std::string>{"-n", "-d", "-u", "-P",
                                                         dir_ + "ser2net.pid", "-c", config});
    int64_t deadline = NowMs() + 5000;
    while (process_->Started() && !started_ && NowMs() < deadline) {
        started_ = CanConnect(tcpPort);
        if (!started_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Ser2net::~Ser2net() {
    process_.reset();
    std::filesystem::remove_all(dir_);
}
