#include "platform/utf8_path.h"

#include "platform/win_text.h"

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(Wide(utf8));
}

std::string Utf8Of(const std::filesystem::path& path) {
    return Utf8(path.native());
}
