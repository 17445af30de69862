#include "platform/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

std::vector<std::string> SplitLines(const std::string& contents) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false; // a line has started and not been closed
    for (size_t i = 0; i < contents.size(); ++i) {
        char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        lines.push_back(current);
    return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return out.str();
}

std::string WriteFileReplacing(const std::string& path, const std::string& contents) {
    std::string temp = path + ".tmp-XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return std::strerror(errno);
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::string reason = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return reason;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    // A file that did not reach the disk must not replace the old one.
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::string reason = std::strerror(errno);
        ::unlink(temp.c_str());
        return reason;
    }
    ::chmod(temp.c_str(), 0644);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::string reason = std::strerror(errno);
        ::unlink(temp.c_str());
        return reason;
    }
    return {};
}

std::string JoinLinesCRLF(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}
