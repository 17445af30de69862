#pragma once

#include <string>

// The click: 20 ms of a quickly fading 2 kHz tone, 16-bit mono PCM at 22050 Hz, as the
// bytes of a WAV file.
std::string MakeClickWav();
