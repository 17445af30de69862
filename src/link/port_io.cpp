#include "link/port_io.h"
#include "link/serial_port.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WaitPromptlyOnThisThread() {
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

void RxQueue::Append(const uint8_t* data, size_t count) {
    if (count == 0)
        return;
    bytes_.insert(bytes_.end(), data, data + count);
    newData_ = true;
}

bool RxQueue::Pop(uint8_t& byte) {
    if (bytes_.empty())
        return false;
    byte = bytes_.front();
    bytes_.pop_front();
    return true;
}

void RxQueue::TakeAll(std::string& out) {
    out.append(bytes_.begin(), bytes_.end());
    bytes_.clear();
}

bool RxQueue::TakeNewData() {
    const bool had = newData_;
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
