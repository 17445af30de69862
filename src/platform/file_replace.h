#pragma once

#include <filesystem>
#include <string>

// What the POSIX and the Windows WriteFileReplacing share: a save writes
// NAME.tmp-XXXXXX beside the file (six characters that make it unique), then
// renames it over the file.
inline constexpr const char* kTemporaryInfix = ".tmp-";
inline constexpr std::size_t kTemporaryUniqueLength = 6;

// Temporary files of writers killed half way are removed with the next save
// of the same file; only those older than a minute, which no live writer is.
void RemoveStaleTemporaries(const std::filesystem::path& file);
