#include "platform/file_places.h"

#include "platform/settings.h"
#include "platform/text_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {
constexpr const char* kChipFileName = "chipinfo.cid";

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir.push_back('/');
    return dir;
}

bool Absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}
} // namespace

std::string UserConfigDir(const char* xdgConfigHome, const char* home) {
    if (Absolute(xdgConfigHome))
        return WithSlash(xdgConfigHome) + "tessaro/";
    if (Absolute(home))
        return WithSlash(home) + ".config/tessaro/";
    return {};
}

FilePlaces ChooseFilePlaces(const std::string& programDir, const std::string& configDir,
                            bool programDirWritable, bool installMark) {
    FilePlaces places;
    places.ProgramDir = WithSlash(programDir);
    places.ConfigDir = WithSlash(configDir);
    places.UserFilesInConfigDir = !configDir.empty() && (installMark || !programDirWritable);
    return places;
}

FilePlaces FilePlacesOf(const std::string& programDir) {
    std::error_code ec;
    const bool mark = std::filesystem::exists(WithSlash(programDir) + kInstallMarkName, ec);
    const bool writable = ::access(programDir.c_str(), W_OK) == 0;
    return ChooseFilePlaces(programDir,
                            UserConfigDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                            writable, mark);
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
    return ChipFileReadPath(places,
                            std::filesystem::is_regular_file(EditedChipFilePath(places), ec));
}

std::vector<std::string> PortFolders(const FilePlaces& places) {
    if (!places.UserFilesInConfigDir)
        return {places.ProgramDir};
    return {places.ConfigDir, places.ProgramDir};
}

std::string WriteUserFile(const std::string& path, const std::string& contents) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec) &&
        !std::filesystem::create_directories(folder, ec) && ec)
        return ec.message();
    return WriteFileReplacing(path, contents);
}
