#pragma once

#include "platform/sound.h"

#include <atomic>
#include <memory>
#include <string>

// The click on Linux: a command-line player, on a machine that has an audio
// output. (Windows plays it itself: sound_win.cpp.)

// True when the system under `root` offers an audio output: a playback device node
// root/dev/snd/pcmC<card>D<device>p, or a playback device in root/proc/asound/pcm.
// Capture-only devices and control nodes do not count.
bool SoundAvailable(const std::string& root = "/");

// The first executable file `name` in the colon-separated directory list `searchPath`,
// or an empty text when there is none.
std::string FindProgram(const std::string& name, const std::string& searchPath);

// (POSIX) Plays a WAV file by starting a command-line player ("PLAYER -q FILE") as a separate
// process with its output discarded. The UI thread never waits for it: a helper thread
// collects the finished process. A click asked for while the previous one still plays is
// dropped, so a fast run through the chip list does not pile up players.
class PlayerSound final : public Sound {
public:
    PlayerSound(std::string player, std::string wavPath, bool available);
    bool Available() const override { return available_; }
    void PlayClick() override;
    // True while a started player has not finished yet.
    bool Busy() const { return playing_->load(); }

private:
    std::string player_;
    std::string wavPath_;
    bool available_ = false;
    std::shared_ptr<std::atomic<bool>> playing_ = std::make_shared<std::atomic<bool>>(false);
};
