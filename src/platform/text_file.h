#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits file contents into lines at CR LF, lone CR or lone LF. A final line
// end does not start another line.
std::vector<std::string> SplitLines(std::string_view contents);

// Reads a whole file; nothing when it cannot be opened or read (or is a folder).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces `path` with `contents` through a temporary file in the same folder
// and a rename, so a failure never leaves a cut or emptied file behind.
// Returns an empty string on success, otherwise the system's reason.
std::string WriteFileReplacing(const std::string& path, const std::string& contents);

// Joins lines, each ended by CR LF.
std::string JoinLinesCRLF(const std::vector<std::string>& lines);
