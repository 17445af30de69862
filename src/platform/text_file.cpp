#include "platform/text_file.h"

#include "platform/utf8_path.h"

#include <filesystem>
#include <fstream>
#include <sstream>

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
    const std::filesystem::path file = PathOf(path);
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return out.str();
}

std::string JoinLinesCRLF(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}
