#include "intel_hex.h"

#include <cstdio>

namespace boardsim {

namespace {

constexpr int kRecordBytes = 16;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Decodes the hex pairs after the colon; false on an odd length or a bad digit.
bool DecodeRecord(const std::string& line, std::vector<std::uint8_t>& out) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    if (text.size() < 11 || text[0] != ':' || (text.size() - 1) % 2 != 0) {
        return false;
    }
    out.clear();
    for (std::size_t i = 1; i + 1 < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return true;
}

std::string Record(std::uint8_t type, std::uint16_t address, const std::uint8_t* data, int count) {
    std::string line = ":";
    char pair[4];
    unsigned sum = static_cast<unsigned>(count) + (address >> 8) + (address & 0xFF) + type;
    auto append = [&](unsigned value) {
        std::snprintf(pair, sizeof pair, "%02X", value & 0xFF);
        line += pair;
    };
    append(static_cast<unsigned>(count));
    append(address >> 8);
    append(address & 0xFF);
    append(type);
    for (int i = 0; i < count; ++i) {
        append(data[i]);
        sum += data[i];
    }
    append((0x100 - (sum & 0xFF)) & 0xFF);
    return line;
}

} // namespace

HexReadResult ReadIntelHex(const std::vector<std::string>& lines) {
    HexReadResult result;
    std::uint32_t base = 0;
    std::vector<std::uint8_t> record;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.find_first_not_of(" \r\t") == std::string::npos) {
            continue;
        }
        auto fail = [&](const char* why) {
            result.errorLine = static_cast<int>(n);
            result.error = why;
            result.bytes.clear();
            return result;
        };
        if (!DecodeRecord(line, record)) {
            return fail("not a HEX record");
        }
        const std::size_t count = record[0];
        if (record.size() != count + 5) {
            return fail("record length does not match its byte count");
        }
        unsigned sum = 0;
        for (std::uint8_t b : record) {
            sum += b;
        }
        if ((sum & 0xFF) != 0) {
            return fail("checksum error");
        }
        const std::uint16_t address = static_cast<std::uint16_t>(record[1] << 8 | record[2]);
        const std::uint8_t type = record[3];
        const std::uint8_t* data = record.data() + 4;
        if (type == 0x00) {
            for (std::size_t i = 0; i < count; ++i) {
                result.bytes[base + address + static_cast<std::uint32_t>(i)] = data[i];
            }
        } else if (type == 0x01) {
            result.ok = true;
            return result;
        } else if ((type == 0x02 || type == 0x04) && count == 2) {
            const std::uint32_t value = static_cast<std::uint32_t>(data[0] << 8 | data[1]);
            base = type == 0x04 ? value << 16 : value << 4;
        } else {
            return fail("unsupported record type");
        }
    }
    result.ok = true; // a file without its end record still gives its data
    return result;
}

std::vector<std::string> WriteIntelHex(const HexBytes& bytes, bool linear) {
    std::vector<std::string> lines;
    std::uint32_t segment = 0;
    if (linear) {
        const std::uint8_t zero[2] = {0, 0};
        lines.push_back(Record(0x04, 0, zero, 2));
    }
    auto it = bytes.begin();
    while (it != bytes.end()) {
        const std::uint32_t start = it->first;
        if ((start >> 16) != segment) {
            segment = start >> 16;
            const std::uint8_t seg[2] = {static_cast<std::uint8_t>(segment >> 8),
                                         static_cast<std::uint8_t>(segment & 0xFF)};
            lines.push_back(Record(0x04, 0, seg, 2));
        }
        std::uint8_t data[kRecordBytes];
        int count = 0;
        // A record ends at 16 bytes, at a gap and at a 64K boundary.
        while (it != bytes.end() && count < kRecordBytes &&
               it->first == start + static_cast<std::uint32_t>(count) &&
               (it->first >> 16) == segment) {
            data[count++] = it->second;
            ++it;
        }
        lines.push_back(Record(0x00, static_cast<std::uint16_t>(start & 0xFFFF), data, count));
    }
    lines.push_back(":00000001FF");
    return lines;
}

} // namespace boardsim
