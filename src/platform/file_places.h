#pragma once

#include <string>
#include <vector>

// Where the program's own files are read and written.
//
// A program folder this user can write (a build folder, a copy in one's home)
// keeps everything as it always has: pro.dat and chipinfo.cid are read by bare
// name from the folder the program was started in, pro.dat is written beside
// the program, and ports/ sits beside the program.
//
// An installed copy is shared by every user of the machine and may not be
// written by any of them, root included: it holds the install mark, or this
// user cannot write it. Then each user's pro.dat, an edited chipinfo.cid and
// ports/ live in the user's configuration folder, and the shipped files are
// read from the program folder by full path, whatever the current directory.
struct FilePlaces {
    std::string ProgramDir; // ends in '/' (or '\' on Windows)
    std::string ConfigDir;  // likewise; empty when the user's home is unknown
    bool UserFilesInConfigDir = false;
};

// The file the install rules put into an installed program folder.
inline constexpr const char* kInstallMarkerName = "installed";

// $XDG_CONFIG_HOME/tessaro/, else $HOME/.config/tessaro/; empty when neither is
// usable. Relative paths are ignored, as the XDG base directory rules ask.
std::string UserConfigDir(const char* xdgConfigHome, const char* home);

// %APPDATA%\Tessaro\, the user's own folder on Windows; empty when APPDATA is
// not an absolute path.
std::string AppDataConfigDir(const char* appData);

// Without a configuration folder the program folder is used whatever it is:
// closing then reports that the settings could not be saved.
FilePlaces ChooseFilePlaces(const std::string& programDir, const std::string& configDir,
                            bool programDirWritable, bool installMarker);

// The places of this run, from the environment and the program folder itself
// (one file per platform).
FilePlaces FilePlacesOf(const std::string& programDir);

// Whether the program folder holds the install mark.
bool HasInstallMarker(const std::string& programDir);

// pro.dat as read at start-up and as written at close.
std::string SettingsReadPath(const FilePlaces& places);
std::string SettingsWritePath(const FilePlaces& places);

// Where the chip list editor writes chipinfo.cid.
std::string EditedChipFilePath(const FilePlaces& places);

// The chipinfo.cid to read: an edited copy in the configuration folder is
// preferred to the shipped one. `editedCopyExists` tells whether
// EditedChipFilePath names an existing file.
std::string ChipFileReadPath(const FilePlaces& places, bool editedCopyExists);

// ChipFileReadPath with the existence looked up.
std::string ChipFileInUse(const FilePlaces& places);
// ChipFileInUse by its full path: found whatever folder is current.
std::string ChipFileFullPath(const FilePlaces& places);

// The folders whose ports/comN name COMn, in the order they are looked at.
std::vector<std::string> PortFolders(const FilePlaces& places);

// Writes a user file whole (see WriteFileReplacing), making its folder first
// when it is missing. Empty on success, otherwise the system's reason.
std::string WriteUserFile(const std::string& path, const std::string& contents);
