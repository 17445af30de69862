// tessaro-cli serials export-sqtp: numbers of the line's store handed to a
// file, for a station that takes them from an SQTP file.
#include "cli/sqtp_export.h"

#include "cli/cli_report.h"
#include "cli/cli_session.h"
#include "platform/text_file.h"
#include "store/pg_store.h"

#include <cstdio>

namespace {
constexpr long kWordEeprom = 0x4200;   // word 0x2100
constexpr long kByteEeprom = 0xF00000; // 16-bit cores of the byte-wide layout

std::string Record(int type, long address, const std::vector<int>& bytes) {
    int sum = static_cast<int>(bytes.size()) + ((address >> 8) & 0xFF) + (address & 0xFF) + type;
    char text[16];
    std::snprintf(text, sizeof text, ":%02X%04lX%02X", static_cast<unsigned>(bytes.size()),
                  address & 0xFFFF, type);
    std::string line = text;
    for (const int b : bytes) {
        std::snprintf(text, sizeof text, "%02X", b & 0xFF);
        line += text;
        sum += b;
    }
    std::snprintf(text, sizeof text, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + text + "\n";
}

// Where the record lies in the HEX file, and its bytes for one value.
long HexAddress(const ChipRecord& chip, const SerialOptions& o) {
    if (o.inRom)
        return o.address * 2;
    return chip.Family() == Core::WideByteHex ? kByteEeprom + o.address
                                              : kWordEeprom + 2 * o.address;
}

std::vector<int> HexBytes(const ChipRecord& chip, const SerialOptions& o,
                          const std::vector<int>& serial) {
    std::vector<int> bytes;
    for (const int b : serial) {
        bytes.push_back(b);
        if (o.inRom && !chip.IsWide())
            bytes.push_back((chip.RetlwOpcode() | b) >> 8);
        else if (!o.inRom && chip.Family() != Core::WideByteHex)
            bytes.push_back(0);
    }
    return bytes;
}
} // namespace

std::string SqtpText(const ChipRecord& chip, const SerialOptions& o,
                     const std::vector<std::uint64_t>& values, std::string& error) {
    const long address = HexAddress(chip, o);
    std::string text;
    if (address > 0xFFFF)
        text += Record(
            4, 0, {static_cast<int>(address >> 24) & 0xFF, static_cast<int>(address >> 16) & 0xFF});
    for (const std::uint64_t value : values) {
        std::vector<int> serial;
        if (!SerialBytes(value, o.bytes, o.bigEndian, serial)) {
            error = SerialTooBig(value, o.bytes);
            return {};
        }
        text += Record(0, address, HexBytes(chip, o, serial));
    }
    return text + Record(1, 0, {});
}

int CliSession::ExportSqtp(StoreAdmin& admin, std::size_t count, const std::string& file) {
    if (o_.chip.empty() || !o_.serial.placeGiven) {
        out_.Say(MeSays(N_("export-sqtp needs --chip and --serial-at")), true);
        return kExitInput;
    }
    if (!SelectChip())
        return kExitInput;
    const ChipRecord& chip = Bench().Chip();
    std::string error = CheckSerialPlace(o_.serial, chip, Bench().ProgramWords(),
                                         Bench().EepromBytes());
    std::vector<std::uint64_t> values;
    StoreAnswer answer;
    if (error.empty() &&
        !(answer = admin.TakeUnused(o_.serial.series.empty() ? "default" : o_.serial.series, count,
                                    values)))
        error = answer.text;
    const std::string text = error.empty() ? SqtpText(chip, o_.serial, values, error) : "";
    if (error.empty())
        error = WriteFileReplacing(file, text);
    if (!error.empty()) {
        out_.Say(Arg(kMeLine, error), true);
        return answer.kind == StoreAnswer::Kind::Unreachable ||
                       answer.kind == StoreAnswer::Kind::Refused
                   ? kExitBoard
                   : kExitInput;
    }
    out_.Say(MeSays(N_("%1 numbers written to %2"), values.size(), file), true);
    return kExitOk;
}
