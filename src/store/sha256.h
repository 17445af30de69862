#pragma once

#include <string>

// SHA-256 (FIPS 180-4) of bytes, as 64 lower-case hex digits: the HEX file a
// chip was programmed from, as its store row names it.
std::string Sha256Hex(const std::string& bytes);
