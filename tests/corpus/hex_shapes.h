#pragma once

// The shapes in which compilers and tools write the same bytes: the data of an
// assembled program (corpus::DataBytes) written again as today's compilers
// write it, with a checksum of the tests' own. Each shape is a set of flags;
// the content changes that go with them are made on the bytes first, so the
// bytes are what the file holds and what must end up on the chip.

#include "chipdb/chip_record.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace corpus {

enum Shape : unsigned {
    kLinearFirst = 0,     // an extended linear address record before the first data
    kDataFirst = 1 << 0,  // the first extended linear address record only where the bytes need one
    kNoLinear = 1 << 1,   // no extended linear address record at all: program memory only
    kByteConfig = 1 << 2, // every configuration byte a record of its own (odd addresses too)
    kConfigFromOdd =
        1 << 3, // the first configuration byte alone, the rest in one record from the second
    kOddRecords = 1 << 4,    // records start 7 bytes into a row: across rows and 256-byte pages
    kTopFirst = 1 << 5,      // the highest program memory record before all others
    kTrailingText = 1 << 6,  // comment lines after the end record
    kMixedLineEnds = 1 << 7, // LF and CR LF lines in turn
    kStartAddress = 1 << 8,  // a start linear address record before the end record
};

// Windows of a chip in file byte addresses.
inline long ConfigStart(const ChipRecord& chip) {
    return chip.IsWide() ? 0x300000 : chip.IsBaseline() ? 0x1FFE : 0x400E;
}
inline long ConfigBytes(const ChipRecord& chip) {
    return 2L * chip.ConfigWords();
}
inline long IdStart(const ChipRecord& chip) {
    return chip.IsWide() ? 0x200000 : chip.IsBaseline() ? 2L * chip.ROMSize : 0x4000;
}

// ---- Content as compilers write it ----

// Every configuration byte, those the program left out at their erased value.
inline std::map<long, int> WithEveryConfigByte(std::map<long, int> bytes, const ChipRecord& chip) {
    for (long k = 0; k < ConfigBytes(chip); ++k)
        bytes.emplace(ConfigStart(chip) + k,
                      (chip.FuseBlank[static_cast<std::size_t>(k / 2 + 1)] >> (8 * (k & 1))) &
                          0xFF);
    return bytes;
}

// Configuration words with the bits above the core set, as compilers write a
// 12-bit word 0xFEA as 0xFFEA and a 14-bit 0x30F5 as 0xF0F5.
inline std::map<long, int> WithBitsAboveTheCore(std::map<long, int> bytes, const ChipRecord& chip) {
    if (chip.IsWide())
        return bytes;
    const auto high = bytes.find(ConfigStart(chip) + 1);
    if (high != bytes.end())
        high->second |= chip.IsBaseline() ? 0xF0 : 0xC0;
    return bytes;
}

// The ID locations written, every byte 0xFF.
inline std::map<long, int> WithErasedId(std::map<long, int> bytes, const ChipRecord& chip) {
    for (long k = 0; k < 8; ++k)
        bytes[IdStart(chip) + k] = 0xFF;
    return bytes;
}

// A jump back to the start near the top of program memory, clear of a
// calibration word in the last one.
inline std::map<long, int> WithJumpAtTheTop(std::map<long, int> bytes, const ChipRecord& chip) {
    std::vector<int> words = {0xEF00, 0xF000}; // GOTO 0 of a 16-bit core
    if (!chip.IsWide())
        words = {chip.IsBaseline() ? 0x0A00 : 0x2800};
    long at = 2L * (chip.ROMSize - 4);
    for (int word : words) {
        bytes[at++] = word & 0xFF;
        bytes[at++] = word >> 8;
    }
    return bytes;
}

// The bytes a file without extended linear address records can hold.
inline std::map<long, int> FirstSegment(std::map<long, int> bytes) {
    bytes.erase(bytes.lower_bound(0x10000), bytes.end());
    return bytes;
}

// ---- Writing ----

inline std::string HexDigits(long value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*lX", digits, value);
    return text;
}

inline std::string HexRecord(long address, int type, const std::vector<int>& data) {
    long sum = static_cast<long>(data.size()) + (address >> 8 & 0xFF) + (address & 0xFF) + type;
    std::string line = ":" + HexDigits(static_cast<long>(data.size()), 2) +
                       HexDigits(address & 0xFFFF, 4) + HexDigits(type, 2);
    for (int byte : data) {
        line += HexDigits(byte, 2);
        sum += byte;
    }
    return line + HexDigits((0x100 - (sum & 0xFF)) & 0xFF, 2);
}

struct Run {
    long first = 0;
    std::vector<int> data;
};

// The bytes cut into records: at most 16 bytes, consecutive addresses, never
// across the configuration window's edges; configuration bytes as the shape says.
inline std::vector<Run> Records(const std::map<long, int>& bytes, unsigned shape,
                                const ChipRecord& chip) {
    const long config = ConfigStart(chip);
    const auto inConfig = [&](long at) { return at >= config && at < config + ConfigBytes(chip); };
    const long rowStart = (shape & kOddRecords) ? 7 : 0;
    std::vector<Run> runs;
    for (const auto& [at, value] : bytes) {
        const Run* last = runs.empty() ? nullptr : &runs.back();
        const bool follows = last && last->first + static_cast<long>(last->data.size()) == at;
        bool fresh = !follows || last->data.size() == 16 || (at - rowStart) % 16 == 0 ||
                     inConfig(at) != inConfig(last->first);
        if (inConfig(at) && (shape & kByteConfig))
            fresh = true;
        else if (inConfig(at) && (shape & kConfigFromOdd))
            fresh = !follows || at <= config + 1 || !inConfig(last->first);
        if (fresh)
            runs.push_back({at, {}});
        runs.back().data.push_back(value);
    }
    return runs;
}

inline std::string WriteShaped(const std::map<long, int>& bytes, unsigned shape,
                               const ChipRecord& chip) {
    std::vector<Run> runs = Records(bytes, shape, chip);
    if (shape & kTopFirst) {
        // The last record of program memory first.
        auto top = runs.begin();
        for (auto r = runs.begin(); r != runs.end(); ++r)
            if (r->first < 2L * chip.ROMSize)
                top = r;
        std::rotate(runs.begin(), top, std::next(top));
    }
    std::vector<std::string> lines;
    long upper = -1;
    if (!(shape & (kDataFirst | kNoLinear))) {
        lines.push_back(HexRecord(0, 4, {0, 0}));
        upper = 0;
    }
    for (const Run& run : runs) {
        const long want = run.first >> 16;
        if (want != upper && !(want == 0 && upper < 0)) {
            lines.push_back(
                HexRecord(0, 4, {static_cast<int>(want >> 8), static_cast<int>(want & 0xFF)}));
        }
        upper = want;
        lines.push_back(HexRecord(run.first, 0, run.data));
    }
    if (shape & kStartAddress)
        lines.push_back(HexRecord(0, 5, {0, 0, 0, 0}));
    lines.push_back(":00000001FF");
    if (shape & kTrailingText) {
        lines.push_back(";PIC" + std::string(chip.ChipName));
        lines.push_back(";CRC=1A2B");
    }
    std::string text;
    for (std::size_t n = 0; n < lines.size(); ++n)
        text += lines[n] + ((shape & kMixedLineEnds) && n % 2 ? "\n" : "\r\n");
    return text;
}

} // namespace corpus
