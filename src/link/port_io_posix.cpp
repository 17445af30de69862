#include "link/port_io_posix.h"

#include "link/port_io.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int WriteWithDeadline(int fd, const uint8_t* data, std::size_t size, int64_t deadlineMs,
                      bool socket) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = socket ? send(fd, data + done, size - done, MSG_NOSIGNAL)
                           : write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
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
