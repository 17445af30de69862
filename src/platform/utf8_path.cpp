#include "platform/utf8_path.h"

#include <system_error>

bool IsExistingFile(const std::string& utf8) {
    std::error_code ec;
    return std::filesystem::is_regular_file(PathOf(utf8), ec);
}
