#pragma once

#include <filesystem>
#include <string>

// File names are UTF-8 text throughout the program. A std::filesystem::path
// made straight from a std::string reads it in the system's narrow code page,
// which on Windows is not UTF-8 (a name with "é" would name another file), so
// every path the program opens is made and read back through these two.

// The path a UTF-8 name stands for; bytes that are not UTF-8 are kept as they
// are where the system allows it (POSIX), or replaced (Windows).
std::filesystem::path PathOf(const std::string& utf8);

// The path's name as UTF-8 text.
std::string Utf8Of(const std::filesystem::path& path);

// Whether a file (not a folder) of that UTF-8 name is there.
bool IsExistingFile(const std::string& utf8);
