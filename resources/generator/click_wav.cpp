#include "click_wav.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kRate = 22050;
constexpr int kFrames = kRate / 50; // 20 ms
constexpr double kTone = 2000.0;
constexpr double kFade = 0.003; // seconds for the tone to fall to 1/e
constexpr double kLoudness = 0.6;

void Put16(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::string MakeClickWav() {
    constexpr uint32_t dataBytes = kFrames * 2;
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, kRate);
    Put32(out, kRate * 2);
    Put16(out, 2);  // bytes per frame
    Put16(out, 16); // bits per sample
    out += "data";
    Put32(out, dataBytes);
    for (int i = 0; i < kFrames; ++i) {
        const double t = double(i) / kRate;
        const double v =
            kLoudness * std::exp(-t / kFade) * std::sin(2 * std::numbers::pi * kTone * t);
        Put16(out, uint16_t(int16_t(std::lround(v * 32767))));
    }
    return out;
}
