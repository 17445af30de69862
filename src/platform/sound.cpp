#include "platform/sound.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool HasPlaybackNode(const fs::path& snd) {
    static const std::regex playbackNode("pcmC[0-9]+D[0-9]+p");
    std::error_code ec;
    for (fs::directory_iterator it(snd, ec), end; !ec && it != end; it.increment(ec)) {
        if (std::regex_match(it->path().filename().string(), playbackNode))
            return true;
    }
    return false;
}

// Lines of /proc/asound/pcm read "00-00: ID : NAME : playback 1 : capture 1".
bool ListsPlaybackDevice(const fs::path& pcmList) {
    std::ifstream in(pcmList);
    std::string line;
    while (std::getline(in, line)) {
        if (line.find(": playback ") != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

bool SoundAvailable(const std::string& root) {
    const fs::path base = root.empty() ? fs::path("/") : fs::path(root);
    return HasPlaybackNode(base / "dev" / "snd") ||
           ListsPlaybackDevice(base / "proc" / "asound" / "pcm");
}

std::string FindProgram(const std::string& name, const std::string& searchPath) {
    if (name.empty() || name.find('/') != std::string::npos)
        return {};
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string::npos)
            end = searchPath.size();
        const std::string dir = searchPath.substr(start, end - start);
        if (!dir.empty()) {
            const fs::path candidate = fs::path(dir) / name;
            std::error_code ec;
            const auto perms = fs::status(candidate, ec).permissions();
            if (!ec && fs::is_regular_file(candidate, ec) &&
                (perms & fs::perms::owner_exec) != fs::perms::none)
                return candidate.string();
        }
        start = end + 1;
    }
    return {};
}
