#include "platform/text_file.h"

#include "platform/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a path names after following its symbolic links (a link to a link
// too): the file that is to be replaced. A dangling link names the file it
// would lead to; a loop of links is left to the rename, which then fails.
std::filesystem::path FileBehindLinks(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, ec)))
            return file;
        std::filesystem::path target = std::filesystem::read_symlink(file, ec);
        if (ec)
            return file;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return path;
}

// The process's file creation mask, read without changing it (other threads
// may be creating files).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Syncs the folder, so that a rename in it survives a power cut.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string WriteFileReplacing(const std::string& path, const std::string& contents) {
    const std::filesystem::path file = FileBehindLinks(path);
    // The new file gets the old one's permissions and group, or, for a new
    // file, what the umask lets a created file have.
    struct stat old {};
    const bool replacing = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = replacing ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    std::string temp = file.string() + kTemporaryInfix + "XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    if (replacing && old.st_gid != ::getegid())
        (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid); // kept where the user may
    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        return std::string(std::strerror(error));
    };
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    // A file that did not reach the disk must not replace the old one.
    if (::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 || std::rename(temp.c_str(), file.c_str()) != 0)
        return fail(errno);
    SyncFolder(file.parent_path());
    RemoveStaleTemporaries(file);
    return {};
}
