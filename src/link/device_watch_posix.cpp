#include "link/device_watch.h"

#include "link/com_names.h"

#include <filesystem>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr uint32_t kEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
} // namespace

std::string WatchedName(const std::vector<std::string>& portFolders, int com) {
    std::error_code ec;
    for (const std::string& folder : portFolders) {
        const fs::path entry = PortEntryPath(folder, com);
        if (!fs::is_symlink(entry, ec))
            continue;
        // One step along the link: the name the user chose (a by-id name),
        // not the node the kernel numbered.
        fs::path next = fs::read_symlink(entry, ec);
        if (ec)
            break;
        if (next.is_relative())
            next = entry.parent_path() / next;
        return next.lexically_normal().string();
    }
    const PortTarget target = ResolvePortName(portFolders, com);
    return target.kind == PortTarget::Kind::Network ? std::string() : target.device;
}

bool NamePresent(const std::string& name) {
    struct stat info {};
    return !name.empty() && stat(name.c_str(), &info) == 0;
}

DeviceWatch::DeviceWatch() = default;

DeviceWatch::~DeviceWatch() {
    Stop();
}

bool DeviceWatch::Watch(const std::string& name) {
    Stop();
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0)
        return false;
    name_ = name;
    Aim();
    return wd_ >= 0;
}

void DeviceWatch::Stop() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    wd_ = -1;
    watched_.clear();
}

void DeviceWatch::Aim() {
    fs::path folder = fs::path(name_).parent_path();
    std::error_code ec;
    while (!folder.empty() && folder != folder.root_path() && !fs::is_directory(folder, ec))
        folder = folder.parent_path();
    // Adding a watch on the folder already watched keeps it; one on a folder
    // made anew replaces the watch that went with the old one.
    if (folder.string() != watched_ && wd_ >= 0)
        inotify_rm_watch(fd_, wd_);
    watched_ = folder.string();
    wd_ = inotify_add_watch(fd_, watched_.c_str(), kEvents);
}

bool DeviceWatch::TakeEvents() {
    if (fd_ < 0)
        return false;
    alignas(inotify_event) char buffer[4096];
    bool any = false;
    for (;;) {
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        any = true;
    }
    if (any)
        Aim();
    return any;
}
