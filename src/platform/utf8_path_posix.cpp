#include "platform/utf8_path.h"

// A POSIX file name is bytes: the path holds them as they are.
std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

std::string Utf8Of(const std::filesystem::path& path) {
    return path.string();
}
