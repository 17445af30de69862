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

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

TextLines SplitLinesKeepingEnds(std::string_view bytes) {
    TextLines text;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            text.lines.emplace_back(bytes.substr(start));
            text.ends.emplace_back();
            break;
        }
        const std::size_t next =
            bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? end + 2
                                                                                   : end + 1;
        text.lines.emplace_back(bytes.substr(start, end - start));
        text.ends.emplace_back(bytes.substr(end, next - end));
        start = next;
    }
    return text;
}

std::string JoinLinesKeepingEnds(const TextLines& text) {
    std::string out;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        out += text.lines[i];
        out += i < text.ends.size() ? text.ends[i] : std::string("\r\n");
    }
    return out;
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
