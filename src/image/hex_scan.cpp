#include "image/hex_scan.h"

#include "chipdb/hex_text.h"

namespace {

int PairAt(const std::string& line, std::size_t pos) {
    return HexFieldValue(std::string_view(line).substr(pos, 2));
}

// A record of this type and byte count has a reading: data of any length, a
// base address in two bytes, a start address in four.
bool TypeHasReading(int type, int count) {
    switch (type) {
    case kDataRecord:
        return true;
    case kSegmentAddressRecord:
    case kLinearAddressRecord:
        return count == 2;
    case kStartSegmentRecord:
    case kStartLinearRecord:
        return count == 4;
    default:
        return false;
    }
}

bool ChecksumMatches(const std::string& line) {
    const std::size_t sumEnd = line.size() - 2;
    int sum = 0;
    for (std::size_t pos = 1; pos < sumEnd; pos += 2)
        sum += PairAt(line, pos);
    return PairAt(line, sumEnd) == (256 - sum % 256) % 256;
}

} // namespace

char CheckASCII(char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))
        return c;
    if (c >= 'a' && c <= 'f')
        return static_cast<char>(c - 'a' + 'A');
    return '-';
}

int HexFieldValue(std::string_view text) {
    int value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

int ScanHexFile(const std::vector<std::string>& lines) {
    int kind = kScanINHX8M;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const int index = static_cast<int>(n);
        const std::size_t length = line.size();
        if (length < kEndLineLength || length > kLongestHexLine)
            return index;
        if (length == kEndLineLength)
            return kind;
        if (line[0] != ':')
            return index;
        for (std::size_t i = 1; i < length; ++i)
            if (HexDigitValue(line[i]) < 0) // what CheckASCII marks "-"
                return index;
        const int count = PairAt(line, 1);
        const int type = PairAt(line, 7);
        if (length != kEndLineLength + 2 * static_cast<std::size_t>(count) ||
            !TypeHasReading(type, count) || !ChecksumMatches(line))
            return index;
        if (type == kLinearAddressRecord)
            kind = kScanINHX32;
    }
    return kScanINHX8M;
}

HexLine ClassifyHexLine(const std::string& line) {
    HexLine out;
    const std::size_t length = line.size();
    if (length == kEndLineLength) {
        out.kind = HexLineKind::End;
        return out;
    }
    if (length < kEndLineLength)
        return out;
    const std::string_view view(line);
    out.count = HexFieldValue(view.substr(1, 2));
    out.address = HexFieldValue(view.substr(3, 4));
    const int type = HexFieldValue(view.substr(7, 2));
    if (out.count < 0 || out.address < 0 || type < 0)
        return out;
    out.data = view.substr(9, length - kEndLineLength);
    if (type == kDataRecord) {
        out.kind = HexLineKind::Data;
        return out;
    }
    if (!TypeHasReading(type, out.count) || !DataMatchesCount(out))
        return out;
    if (type == kStartSegmentRecord || type == kStartLinearRecord) {
        out.kind = HexLineKind::StartAddress;
        return out;
    }
    const int value = HexFieldValue(out.data);
    if (value < 0)
        return out;
    out.base = static_cast<std::int64_t>(value) << (type == kLinearAddressRecord ? 16 : 4);
    out.kind = HexLineKind::Base;
    return out;
}

bool DataMatchesCount(const HexLine& line) {
    return line.data.size() == 2 * static_cast<std::size_t>(line.count);
}
