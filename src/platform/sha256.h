#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// SHA-256 (FIPS 180-4) of bytes, fed in pieces: a recording names the HEX
// file it was made with by this digest, and a replay refuses another file.
class Sha256 {
public:
    Sha256();
    void Add(std::string_view bytes);
    // The digest as 64 lower-case hex digits; the object is spent afterwards.
    std::string HexDigest();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> h_{};
    std::array<std::uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0; // bytes added so far
};

std::string Sha256Hex(std::string_view bytes);
// The digest of a file's bytes; empty when it cannot be read.
std::string FileSha256Hex(const std::string& path);
