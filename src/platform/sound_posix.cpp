#include "platform/sound_posix.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

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

PlayerSound::PlayerSound(std::string player, std::string wavPath, bool available)
    : player_(std::move(player)), wavPath_(std::move(wavPath)), available_(available) {}

void PlayerSound::PlayClick() {
    if (!available_ || player_.empty())
        return;
    if (playing_->exchange(true))
        return; // the previous click is still playing

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string quiet = "-q";
    char* argv[] = {player_.data(), quiet.data(), wavPath_.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, player_.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        playing_->store(false);
        return;
    }
    auto playing = playing_;
    try {
        std::thread([pid, playing] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            playing->store(false);
        }).detach();
    } catch (const std::system_error&) {
        // No collector thread: the finished player stays uncollected until the program
        // ends, which is harmless; later clicks still play.
        playing_->store(false);
    }
}

std::unique_ptr<Sound> MakeRealSound(const std::string& wavPath) {
    const char* path = std::getenv("PATH");
    return std::make_unique<PlayerSound>(FindProgram("aplay", path ? path : ""), wavPath,
                                         SoundAvailable("/"));
}
