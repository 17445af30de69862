#pragma once

#include <memory>
#include <string>

// The click the program plays when a chip is selected and when user mode is switched.
class Sound {
public:
    virtual ~Sound() = default;
    // True when the machine has an audio output (decided when the sound is made).
    virtual bool Available() const = 0;
    // Starts the click and returns at once; does nothing when it cannot play.
    virtual void PlayClick() = 0;
};

// The program's sound: plays `wavPath` through "aplay" found on PATH, when the machine
// has an audio output; silent otherwise. On Windows the system plays it (sound_win.cpp).
std::unique_ptr<Sound> MakeRealSound(const std::string& wavPath);
