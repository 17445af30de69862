#pragma once

#include "chipdb/chip_record.h"
#include "image/hex_load.h"
#include "image/memory_image.h"
#include "image/reset_code_memory.h"

#include <cstdio>
#include <string>
#include <vector>

// Chips of each core class and a record builder with its own checksum, so that
// the scanner and the writer are checked against code they do not share.
namespace hextest {

inline ChipRecord Chip14() {
    ChipRecord c;
    c.CoreType = 5;
    c.WordMask = 0x3FFF;
    c.ROMSize = 0x400;
    c.EEPROMSize = 0x80;
    c.FlashChip = true;
    c.FuseBlank = {0, 0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    return c;
}

inline ChipRecord Chip12() {
    ChipRecord c;
    c.CoreType = 4;
    c.WordMask = 0xFFF;
    c.ROMSize = 0x200;
    c.EEPROMSize = 0;
    c.FuseBlank = {0, 0xFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    return c;
}

inline ChipRecord Chip16(int coreType = 1) {
    ChipRecord c;
    c.CoreType = coreType;
    c.WordMask = 0xFFFF;
    c.ROMSize = 0x4000;
    c.EEPROMSize = 0x100;
    c.FlashChip = true;
    c.FuseBlank = {0, 0x2700, 0x0F0F, 0x0100, 0x0085, 0xC00F, 0xE00F, 0x400F};
    return c;
}

inline ChipRecord ChipSerialEEPROM() {
    ChipRecord c;
    c.CoreType = 0;
    c.WordMask = 0xFF;
    c.ROMSize = 0;
    c.EEPROMSize = 0x800;
    c.FlashChip = true;
    return c;
}

// The image as a plain load leaves it before extracting: blank lists, blank
// configuration words and an all-F ID.
inline MemoryImage BlankImage(const ChipRecord& chip, std::string& idText) {
    MemoryImage image;
    FillMissingEntries(chip, image);
    for (int i = 1; i <= 7; ++i)
        image.FuseValue[i] = chip.FuseBlank[i];
    idText = std::string(static_cast<std::size_t>(chip.IdTextLength()), 'F');
    return image;
}

inline std::string Hex(int v, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, v);
    return buf;
}

// ":" + count + address + type + data + checksum, the data given as hex digits.
inline std::string Record(int address, const std::string& type, const std::string& data) {
    std::string body = Hex(static_cast<int>(data.size() / 2), 2) + Hex(address, 4) + type + data;
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < body.size(); i += 2)
        sum += static_cast<unsigned>(std::stoi(body.substr(i, 2), nullptr, 16));
    return ":" + body + Hex(static_cast<int>((0x100 - (sum & 0xFF)) & 0xFF), 2);
}

inline std::string Segment(int s) {
    return Record(0, "04", Hex(s, 4));
}

inline const std::string kEnd = ":00000001FF";

} // namespace hextest

#include <atomic>
#include <filesystem>
#include <unistd.h>

namespace hextest {

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> made{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tessaro-hex-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return path_.string() + "/" + name; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace hextest
