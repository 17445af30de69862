#include "platform/file_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0 && ::flock(fd, LOCK_EX) == 0) {
        handle_ = fd;
        return;
    }
    reason_ = std::strerror(errno);
    if (fd >= 0)
        ::close(fd);
}

FileLock::~FileLock() {
    if (Held())
        ::close(static_cast<int>(handle_)); // closing releases the lock
}
