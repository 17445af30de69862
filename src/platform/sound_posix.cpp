#include "platform/sound.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

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
