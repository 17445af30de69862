#include "link/port_io.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

WakeFd::WakeFd() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

WakeFd::~WakeFd() {
    if (fd_ >= 0)
        close(fd_);
}

void WakeFd::Signal() {
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(fd_, &one, sizeof one);
}

bool WakeFd::Drain() {
    uint64_t count = 0;
    return read(fd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count) && count > 0;
}

void RxQueue::Append(const uint8_t* data, size_t count) {
    if (count == 0)
        return;
    std::lock_guard lock(mutex_);
    bytes_.insert(bytes_.end(), data, data + count);
    newData_ = true;
}

bool RxQueue::Pop(uint8_t& byte) {
    std::lock_guard lock(mutex_);
    if (bytes_.empty())
        return false;
    byte = bytes_.front();
    bytes_.pop_front();
    return true;
}

void RxQueue::TakeAll(std::string& out) {
    std::lock_guard lock(mutex_);
    out.append(bytes_.begin(), bytes_.end());
    bytes_.clear();
}

size_t RxQueue::Size() const {
    std::lock_guard lock(mutex_);
    return bytes_.size();
}

bool RxQueue::Full() const {
    return Size() >= Capacity;
}

void RxQueue::Clear() {
    std::lock_guard lock(mutex_);
    bytes_.clear();
}

bool RxQueue::TakeNewData() {
    std::lock_guard lock(mutex_);
    bool had = newData_;
    newData_ = false;
    return had;
}

int WriteWithDeadline(int fd, const uint8_t* data, size_t size, int64_t deadlineMs, bool socket) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = socket ? send(fd, data + done, size - done, MSG_NOSIGNAL)
                           : write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return errno;
        int64_t left = deadlineMs - MonotonicMs();
        if (left <= 0)
            return ETIMEDOUT;
        pollfd p{fd, POLLOUT, 0};
        int r = poll(&p, 1, static_cast<int>(left));
        if (r < 0 && errno != EINTR)
            return errno;
        if (r > 0 && (p.revents & (POLLERR | POLLNVAL)))
            return EIO;
    }
    return 0;
}

void DetachFd(int fd) {
    int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0)
        return;
    dup2(null, fd);
    close(null);
}
