#pragma once

// What the tessaro-cli benchmarks share: a whole 16F877A image (8K words, 256
// EEPROM bytes, every one in use) as a HEX file, and a run of tessaro-cli in
// process with real pauses.
#include "cli/cli.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace bench {

inline constexpr int kWords = 0x2000;
inline constexpr int kEepromBytes = 0x100;

inline std::string Record(int address, const std::vector<int>& bytes) {
    std::vector<int> all = {static_cast<int>(bytes.size()), address >> 8, address & 0xFF, 0};
    all.insert(all.end(), bytes.begin(), bytes.end());
    std::string line = ":";
    int sum = 0;
    char hex[4];
    for (int b : all) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        line += hex;
        sum += b;
    }
    std::snprintf(hex, sizeof hex, "%02X", (256 - sum % 256) % 256);
    return line + hex;
}

// Every word and EEPROM byte in use, so that nothing is trimmed: the image
// of the engine's own benchmark, for results side by side.
inline void WriteFullImage(const std::string& path) {
    std::ofstream out(path);
    for (int w = 0; w < kWords; w += 8) {
        std::vector<int> bytes;
        for (int i = w; i < w + 8; ++i) {
            const int word = (i * 7 + 1) & 0x3FFF & 0x7FFE;
            bytes.insert(bytes.end(), {word & 0xFF, word >> 8});
        }
        out << Record(2 * w, bytes) << '\n';
    }
    out << Record(0x4000, {1, 0, 2, 0, 3, 0, 4, 0}) << '\n';
    for (int e = 0; e < kEepromBytes; e += 8) {
        std::vector<int> bytes;
        for (int i = e; i < e + 8; ++i)
            bytes.insert(bytes.end(), {i & 0x7F, 0});
        out << Record(0x4200 + 2 * e, bytes) << '\n';
    }
    out << Record(0x400E, {0xFF, 0x3F}) << "\n:00000001FF\n";
}

// Runs tessaro-cli with `folder` as its program folder; its standard output in `out`.
inline int RunCliIn(const std::vector<std::string>& args, const std::string& folder,
                    std::string& out) {
    std::ostringstream results;
    std::ostringstream messages;
    CliEnvironment env;
    env.programDir = folder;
    env.out = &results;
    env.err = &messages;
    env.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    const int code = RunCli(args, env);
    out = results.str();
    return code;
}

} // namespace bench
