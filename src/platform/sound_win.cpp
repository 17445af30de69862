#include "platform/sound.h"

#include "platform/utf8_path.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

// The system plays the file itself, asynchronously; a click asked for while
// one plays replaces it.
class WaveSound final : public Sound {
public:
    explicit WaveSound(const std::string& wavPath)
        : path_(PathOf(wavPath).native()), available_(waveOutGetNumDevs() > 0) {}
    bool Available() const override { return available_; }
    void PlayClick() override {
        if (available_)
            PlaySoundW(path_.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }

private:
    std::wstring path_;
    bool available_ = false;
};

} // namespace

std::unique_ptr<Sound> MakeRealSound(const std::string& wavPath) {
    return std::make_unique<WaveSound>(wavPath);
}
