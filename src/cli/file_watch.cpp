#include "cli/file_watch.h"

#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

FileWatch::FileWatch(const std::string& path, std::chrono::milliseconds settle) : settle_(settle) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    name_ = slash == std::string::npos ? path : path.substr(slash + 1);
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && ::inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO) >= 0)
        return;
    error_ = std::strerror(errno);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

FileWatch::~FileWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileWatch::Changed() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && name_ == event->name) {
                pending_ = true;
                last_ = std::chrono::steady_clock::now();
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (!pending_ || std::chrono::steady_clock::now() - last_ < settle_)
        return false;
    pending_ = false;
    return true;
}
