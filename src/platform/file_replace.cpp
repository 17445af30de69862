#include "platform/file_replace.h"

#include "platform/utf8_path.h"

#include <chrono>

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = Utf8Of(file.filename()) + kTemporaryInfix;
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const auto now = std::filesystem::file_time_type::clock::now();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = Utf8Of(entry.path().filename());
        if (name.size() != prefix.size() + kTemporaryUniqueLength ||
            name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::error_code old;
        const auto written = entry.last_write_time(old);
        if (!old && now - written > std::chrono::minutes(1))
            std::filesystem::remove(entry.path(), old);
    }
}
