#include "platform/recent_files.h"

#include "platform/utf8_path.h"

#include <algorithm>
#include <filesystem>

std::vector<RecentFile> ParseRecentFiles(const std::vector<std::string>& lines) {
    // The file is newest first: remembered oldest first, the newest ends first.
    std::vector<RecentFile> files;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const std::size_t tab = line->find('\t');
        if (tab == std::string::npos || tab + 1 == line->size())
            continue;
        RememberRecentFile(files, {line->substr(tab + 1), line->substr(0, tab)});
    }
    return files;
}

std::vector<std::string> FormatRecentFiles(const std::vector<RecentFile>& files) {
    std::vector<std::string> lines;
    for (const RecentFile& f : files)
        lines.push_back(f.chip + '\t' + f.path);
    return lines;
}

void RememberRecentFile(std::vector<RecentFile>& files, const RecentFile& file) {
    ForgetRecentFile(files, file.path);
    files.insert(files.begin(), file);
    if (files.size() > kRecentFilesKept)
        files.resize(kRecentFilesKept);
}

void ForgetRecentFile(std::vector<RecentFile>& files, const std::string& path) {
    std::erase_if(files, [&](const RecentFile& f) { return f.path == path; });
}

std::string RecentFilesPath(const FilePlaces& places) {
    return Utf8Of(PathOf(SettingsWritePath(places)).replace_filename(kRecentFilesName));
}
