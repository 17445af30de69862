#include "platform/file_places.h"

#include "platform/settings.h"
#include "platform/text_file.h"
#include "platform/utf8_path.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kChipFileName = "chipinfo.cid";
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// A folder ends in a separator: '/', or on Windows the '\\' its path is
// written with.
std::string WithSlash(std::string dir) {
    const bool backslashes = kSeparator == '\\' && dir.find('\\') != std::string::npos;
    if (!dir.empty() && dir.back() != '/' && dir.back() != kSeparator)
        dir.push_back(backslashes ? '\\' : '/');
    return dir;
}

bool Absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// C:\... or C:/..., or \\server\share\...
bool WindowsAbsolute(const std::string& path) {
    const auto slash = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        return slash(path[2]);
    return path.size() >= 3 && slash(path[0]) && slash(path[1]);
}
} // namespace

std::string UserConfigDir(const char* xdgConfigHome, const char* home) {
    if (Absolute(xdgConfigHome))
        return WithSlash(xdgConfigHome) + "tessaro/";
    if (Absolute(home))
        return WithSlash(home) + ".config/tessaro/";
    return {};
}

std::string AppDataConfigDir(const char* appData) {
    if (appData == nullptr || !WindowsAbsolute(appData))
        return {};
    std::string dir = appData;
    if (dir.back() != '\\' && dir.back() != '/')
        dir.push_back('\\');
    return dir + "Tessaro\\";
}

FilePlaces ChooseFilePlaces(const std::string& programDir, const std::string& configDir,
                            bool programDirWritable, bool installMarker) {
    FilePlaces places;
    places.ProgramDir = WithSlash(programDir);
    places.ConfigDir = WithSlash(configDir);
    places.UserFilesInConfigDir = !configDir.empty() && (installMarker || !programDirWritable);
    return places;
}

std::string SettingsReadPath(const FilePlaces& places) {
    return places.UserFilesInConfigDir ? places.ConfigDir + SettingsFileName : SettingsFileName;
}

std::string SettingsWritePath(const FilePlaces& places) {
    return (places.UserFilesInConfigDir ? places.ConfigDir : places.ProgramDir) + SettingsFileName;
}

std::string EditedChipFilePath(const FilePlaces& places) {
    return (places.UserFilesInConfigDir ? places.ConfigDir : places.ProgramDir) + kChipFileName;
}

std::string ChipFileReadPath(const FilePlaces& places, bool editedCopyExists) {
    if (!places.UserFilesInConfigDir)
        return kChipFileName;
    return (editedCopyExists ? places.ConfigDir : places.ProgramDir) + kChipFileName;
}

std::string ChipFileInUse(const FilePlaces& places) {
    std::error_code ec;
    return ChipFileReadPath(
        places, std::filesystem::is_regular_file(PathOf(EditedChipFilePath(places)), ec));
}

std::string ChipFileFullPath(const FilePlaces& places) {
    return places.UserFilesInConfigDir ? ChipFileInUse(places) : places.ProgramDir + kChipFileName;
}

bool HasInstallMarker(const std::string& programDir) {
    std::error_code ec;
    return std::filesystem::exists(PathOf(WithSlash(programDir) + kInstallMarkerName), ec);
}

std::vector<std::string> PortFolders(const FilePlaces& places) {
    if (!places.UserFilesInConfigDir)
        return {places.ProgramDir};
    return {places.ConfigDir, places.ProgramDir};
}

std::string WriteUserFile(const std::string& path, const std::string& contents) {
    const std::filesystem::path folder = PathOf(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec) &&
        !std::filesystem::create_directories(folder, ec) && ec)
        return ec.message();
    return WriteFileReplacing(path, contents);
}
