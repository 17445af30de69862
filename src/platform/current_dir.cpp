#include "platform/current_dir.h"

#include "platform/utf8_path.h"

#include <filesystem>
#include <system_error>

std::string FolderOf(const std::string& path) {
    return Utf8Of(PathOf(path).parent_path());
}

void ChangeDirectory(const std::string& folder) {
    std::error_code ec;
    if (!folder.empty())
        std::filesystem::current_path(PathOf(folder), ec);
}
