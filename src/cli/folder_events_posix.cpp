#include "cli/folder_events.h"

#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// inotify: a file closed after writing, or renamed into the folder.
class InotifyEvents final : public FolderEvents {
public:
    explicit InotifyEvents(int fd) : fd_(fd) {}
    ~InotifyEvents() override { ::close(fd_); }

    bool Saw(const std::string& name) override {
        alignas(inotify_event) char buffer[4096];
        bool saw = false;
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                saw = saw || (event->len > 0 && name == event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return saw;
    }

private:
    int fd_;
};

} // namespace

std::unique_ptr<FolderEvents> FolderEvents::Open(const std::string& folder, std::string& error) {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0 && ::inotify_add_watch(fd, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO) >= 0)
        return std::make_unique<InotifyEvents>(fd);
    error = std::strerror(errno);
    if (fd >= 0)
        ::close(fd);
    return nullptr;
}
