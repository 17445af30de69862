#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits file contents into lines at CR LF, lone CR or lone LF. A final line
// end does not start another line.
std::vector<std::string> SplitLines(std::string_view contents);

// Lines together with the line end each had in the file ("\r\n", "\r", "\n",
// or empty for a last line without one), so that a file can be written back
// with every line it did not mean to change byte for byte as it was.
struct TextLines {
    std::vector<std::string> lines;
    std::vector<std::string> ends; // one per line
};
TextLines SplitLinesKeepingEnds(std::string_view contents);
std::string JoinLinesKeepingEnds(const TextLines& text);

// Reads a whole file; nothing when it cannot be opened or read (or is a folder).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces `path` with `contents` through a temporary file in the same folder
// and a rename, so a failure never leaves a cut or emptied file behind. The
// new file keeps the old one's permissions (a new file gets those the umask
// allows), a symbolic link is written through to the file it leads to, and
// the folder is synced after the rename. Temporary files that writers killed
// half way left beside the file (older than a minute) go with the next save.
// Returns an empty string on success, otherwise the system's reason.
std::string WriteFileReplacing(const std::string& path, const std::string& contents);

// Joins lines, each ended by CR LF.
std::string JoinLinesCRLF(const std::vector<std::string>& lines);
