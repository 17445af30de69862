#include "platform/current_dir.h"

#include <filesystem>
#include <system_error>

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

void ChangeDirectory(const std::string& folder) {
    std::error_code ec;
    if (!folder.empty())
        std::filesystem::current_path(folder, ec);
}
