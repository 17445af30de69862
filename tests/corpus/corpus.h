#pragma once

// Small programs for chips of our list, assembled at test time by gputils
// (never kept as HEX files): what users bring from a real toolchain. The HEX
// files are read back here with a reader of the tests' own, so a fault of the
// program's reader cannot hide in both.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace corpus {

struct Program {
    const char* source; // under tests/corpus
    const char* chip;
    bool linked; // relocatable code (code_pack sections): gpasm -c, then gplink
};

inline void PrintTo(const Program& p, std::ostream* out) {
    *out << p.source;
}

// clang-format off
inline const Program kPrograms[] = {
    {"osccal_12f508.asm",     "12F508",  false}, // 12-bit, OSCCAL in the last word
    {"eeprom_id_16f628a.asm", "16F628A", false}, // EEPROM, ID, configuration
    {"bandgap_12f675.asm",    "12F675",  false}, // OSCCAL and bandgap bits
    {"far_code_16f877a.asm",  "16F877A", false}, // code above 0x800
    {"odd_config_18f452.asm", "18F452",  false}, // configuration from odd addresses
    {"packed_18f4550.asm",    "18F4550", true},  // mixed configuration records, packed string
};
// clang-format on

// The formats a program is assembled in: INHX8M only below the 16-bit cores,
// whose addresses do not fit its 16 bits.
inline std::vector<const char*> FormatsFor(const Program& p) {
    if (std::string(p.chip).rfind("18F", 0) == 0)
        return {"inhx32"};
    return {"inhx32", "inhx8m"};
}

// Assembles `p` in `format` into `folder`; the HEX file's path, or "" when the
// tools failed (their output is in `folder`/<name>.log).
inline std::string Assemble(const Program& p, const std::string& format,
                            const std::filesystem::path& folder) {
    const std::string source = std::string(TESSARO_SOURCE_DIR) + "/tests/corpus/" + p.source;
    const std::string stem =
        (folder / std::filesystem::path(p.source).stem()).string() + "-" + format;
    const std::string hex = stem + ".hex";
    const std::string log = " >>'" + stem + ".log' 2>&1";
    std::string command;
    if (p.linked)
        command = "gpasm -q -c -o '" + stem + ".o' '" + source + "'" + log + " && gplink -q -a " +
                  format + " -o '" + hex + "' '" + stem + ".o'" + log;
    else
        command = "gpasm -q -a " + format + " -o '" + hex + "' '" + source + "'" + log;
    return std::system(command.c_str()) == 0 && std::filesystem::exists(hex) ? hex : "";
}

// Every data byte of an Intel HEX file by its full byte address (extended
// linear address records included). Empty when a line is not a record.
inline std::map<long, int> DataBytes(const std::string& path) {
    std::map<long, int> bytes;
    std::ifstream in(path);
    long upper = 0;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() < 11 || line[0] != ':')
            return {};
        const auto field = [&](std::size_t at, std::size_t digits) {
            return std::stol(line.substr(at, digits), nullptr, 16);
        };
        const long count = field(1, 2), address = field(3, 4), type = field(7, 2);
        if (type == 1)
            break;
        if (type == 4)
            upper = field(9, 4) << 16;
        if (type != 0)
            continue;
        for (long n = 0; n < count; ++n)
            bytes[upper + address + n] = static_cast<int>(field(9 + 2 * n, 2));
    }
    return bytes;
}

// The program words the file holds, each over an erased word of `wordMask`:
// word address = byte address DIV 2, low byte even.
inline std::map<int, int> ProgramWords(const std::map<long, int>& bytes, int romWords,
                                       int wordMask) {
    std::map<int, int> words;
    for (const auto& [address, value] : bytes) {
        if (address >= 2L * romWords)
            break;
        const int w = static_cast<int>(address / 2);
        const int held = words.count(w) ? words[w] : wordMask;
        words[w] =
            ((address & 1) ? (held & 0x00FF) | (value << 8) : (held & 0xFF00) | value) & wordMask;
    }
    return words;
}

} // namespace corpus
