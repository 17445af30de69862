#pragma once

#include <string>

// The current directory is part of the program's state: its own files are
// opened by bare name, and the file dialogs start in the last HEX file's folder.

// The folder part of a path ("/a/b/x.hex" gives "/a/b"; "/a/b/" gives "/a/b").
std::string FolderOf(const std::string& path);

// Makes `folder` the current directory; an empty or missing folder changes nothing.
void ChangeDirectory(const std::string& folder);
