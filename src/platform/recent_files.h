#pragma once

#include "platform/file_places.h"

#include <string>
#include <vector>

// The HEX files last loaded or saved, newest first, each with the chip it was
// used with. Kept in their own file beside the settings file written at close,
// so that pro.dat keeps its eight lines.
struct RecentFile {
    std::string path; // absolute
    std::string chip; // the chip selector's text then; empty when none was chosen
    bool operator==(const RecentFile&) const = default;
};

inline constexpr std::size_t kRecentFilesKept = 8;
inline constexpr const char* kRecentFilesName = "recent.dat";

// One line a file: the chip name, a tab, the path. Lines without a tab or
// path, and files past the eighth, are dropped.
std::vector<RecentFile> ParseRecentFiles(const std::vector<std::string>& lines);
std::vector<std::string> FormatRecentFiles(const std::vector<RecentFile>& files);

// Puts `file` first, dropping an older entry of the same path and the oldest
// beyond eight.
void RememberRecentFile(std::vector<RecentFile>& files, const RecentFile& file);
void ForgetRecentFile(std::vector<RecentFile>& files, const std::string& path);

// recent.dat, in the folder pro.dat is written to.
std::string RecentFilesPath(const FilePlaces& places);
