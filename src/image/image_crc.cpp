#include "image/image_crc.h"

#include <cstdio>

namespace {

class Crc32 {
public:
    void Byte(int value) {
        crc_ ^= static_cast<std::uint8_t>(value);
        for (int bit = 0; bit < 8; ++bit)
            crc_ = (crc_ >> 1) ^ ((crc_ & 1u) != 0 ? 0xEDB88320u : 0u);
    }
    void Word(int value) {
        Byte(value & 0xFF);
        Byte((value >> 8) & 0xFF);
    }
    std::uint32_t Value() const { return ~crc_; }

private:
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

} // namespace

std::uint32_t Crc32Of(const std::string& bytes) {
    Crc32 crc;
    for (const char c : bytes)
        crc.Byte(c);
    return crc.Value();
}

std::string ImageChecksum(const MemoryImage& image, const ChipRecord& chip, const std::string& id) {
    Crc32 crc;
    for (int i = 0; i < chip.ROMSize; ++i)
        crc.Word(static_cast<std::size_t>(i) < image.ROMData.size()
                     ? image.ROMData[static_cast<std::size_t>(i)]
                     : chip.WordMask);
    for (int i = 0; i < chip.EEPROMSize; ++i)
        crc.Byte(static_cast<std::size_t>(i) < image.EEPROMData.size()
                     ? image.EEPROMData[static_cast<std::size_t>(i)]
                     : 0xFF);
    for (const char c : id)
        crc.Byte(c);
    for (int k = 1; k <= 7; ++k)
        crc.Word(image.FuseValue[static_cast<std::size_t>(k)]);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(crc.Value()));
    return text;
}
