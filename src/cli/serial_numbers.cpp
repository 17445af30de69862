#include "cli/serial_numbers.h"

#include "chipdb/chip_text.h"
#include "cli/cli_messages.h"

#include "platform/file_lock.h"
#include "platform/text_file.h"
#include "platform/translate.h"
#include "platform/utf8_path.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace {
constexpr int kMostBytes = 8;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseNumber(const std::string& text, long& value) {
    std::uint64_t v = 0;
    if (!ParseSerialValue(text, v) || v > 0x7FFFFFFF)
        return false;
    value = static_cast<long>(v);
    return true;
}

std::string DoesNotFit(std::uint64_t value, int bytes) {
    return SerialTooBig(value, bytes);
}

// Words of the image the serial would cover: word address and byte lane.
struct Spot {
    std::size_t word;
    int shift; // 0: the low byte (or the whole RETLW), 8: the high byte
};

std::vector<Spot> Spots(const SerialOptions& o, const ChipRecord& chip) {
    std::vector<Spot> spots;
    for (int i = 0; i < o.bytes; ++i) {
        const long at = o.address + i;
        if (!o.inRom || !chip.IsWide())
            spots.push_back({static_cast<std::size_t>(at), 0});
        else
            spots.push_back({static_cast<std::size_t>(o.address * 2 + i) / 2, (i % 2) * 8});
    }
    return spots;
}

// The lock is held while this object lives: other processes (and other
// boards of this one) wait for it.
class StateLock {
public:
    explicit StateLock(const std::string& state) : lock_(state + ".lock") {}
    // False with the reason when the lock could not be had.
    bool Held(const std::string& state, std::string& error) const {
        if (!lock_.Held())
            error = Arg(N_("cannot lock the serial state %1.lock: %2"), state, lock_.Reason());
        return lock_.Held();
    }

private:
    FileLock lock_;
};

} // namespace

bool ParseSerialValue(const std::string& typed, std::uint64_t& value) {
    const std::string text = Trimmed(typed);
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x';
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    if (first == last)
        return false;
    const auto [end, ec] = std::from_chars(first, last, value, hex ? 16 : 10);
    return ec == std::errc() && end == last;
}

bool TakeSerialOption(SerialOptions& o, const std::string& name, const std::string& value,
                      std::string& error) {
    if (name == "--serial") {
        const std::size_t colon = value.find(':');
        o.counter = true;
        if (!ParseSerialValue(value.substr(0, colon), o.start) ||
            (colon != std::string::npos &&
             (!ParseSerialValue(value.substr(colon + 1), o.step) || o.step == 0)))
            error = Arg(N_("--serial takes START or START:STEP, not %1"), value);
    } else if (name == "--serial-list") {
        o.list = value;
        o.sqtp = value.size() > 4 && UpperCaseAscii(value.substr(value.size() - 4)) == ".NUM";
        if (value.empty())
            error = N_("--serial-list takes a file");
    } else if (name == "--serial-at") {
        o.placeGiven = true;
        const std::size_t colon = value.find(':');
        const std::string memory = value.substr(0, colon);
        o.inRom = memory == "rom";
        if ((memory != "rom" && memory != "eeprom") || colon == std::string::npos ||
            !ParseNumber(value.substr(colon + 1), o.address))
            error = Arg(N_("--serial-at takes rom:ADDR or eeprom:ADDR, not %1"), value);
    } else if (name == "--serial-bytes") {
        long bytes = 0;
        if (!ParseNumber(value, bytes) || bytes < 1 || bytes > kMostBytes)
            error = Arg(N_("--serial-bytes takes 1 to 8, not %1"), value);
        o.bytes = static_cast<int>(bytes);
    } else if (name == "--serial-order") {
        o.bigEndian = value == "big";
        if (value != "big" && value != "little")
            error = Arg(N_("--serial-order takes big or little, not %1"), value);
    } else if (name == "--serial-state") {
        o.state = value;
    } else if (name == "--serial-store" || name == "--serial-series" || name == "--station") {
        (name == "--serial-store" ? o.store : name == "--station" ? o.station : o.series) = value;
        if (value.empty())
            error = Arg(N_("%1 takes a value"), name);
    } else {
        return false;
    }
    return true;
}

std::string CheckSerialOptions(const SerialOptions& o) {
    if (o.store.empty() && (!o.series.empty() || !o.station.empty()))
        return N_("--serial-series and --station belong to --serial-store");
    const bool any = o.placeGiven || !o.state.empty();
    if (!o.On())
        return any ? N_("--serial-at and --serial-state need --serial or --serial-list") : "";
    if (o.counter && !o.list.empty())
        return N_("--serial and --serial-list exclude each other");
    if (o.sqtp && o.placeGiven)
        return N_("an SQTP file says where its records go: no --serial-at with it");
    if (!o.placeGiven && !o.sqtp)
        return N_("serial numbers need --serial-at rom:ADDR or eeprom:ADDR");
    if (o.state.empty())
        return N_(
            "serial numbers need --serial-state FILE or --log FILE (the state goes beside it)");
    std::vector<int> bytes;
    if (o.counter && !SerialBytes(o.start, o.bytes, o.bigEndian, bytes))
        return DoesNotFit(o.start, o.bytes);
    return {};
}

bool SerialBytes(std::uint64_t value, int count, bool bigEndian, std::vector<int>& bytes) {
    bytes.assign(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(bigEndian ? count - 1 - i : i);
        bytes[at] = static_cast<int>(value & 0xFF);
        value >>= 8;
    }
    return value == 0;
}

std::string CheckSerialPlace(const SerialOptions& o, const ChipRecord& chip,
                             const std::vector<int>& rom, const std::vector<int>& eeprom) {
    char where[32];
    std::snprintf(where, sizeof where, "%s:0x%lX", o.inRom ? "rom" : "eeprom", o.address);

    const bool wide = chip.IsWide();
    const long size = o.inRom ? (wide ? 2L : 1L) * chip.ROMSize : chip.EEPROMSize;
    const long first = o.inRom && wide ? o.address * 2 : o.address;
    if (first < 0 || first + o.bytes > size)
        return Arg(o.inRom ? N_("the serial at %1 does not fit in the %2's program memory")
                           : N_("the serial at %1 does not fit in the %2's EEPROM"),
                   where, chip.ChipName);
    const std::vector<int>& list = o.inRom ? rom : eeprom;
    const int blank = o.inRom ? chip.WordMask : 0xFF;
    for (const Spot& s : Spots(o, chip)) {
        const int word = s.word < list.size() ? list[s.word] : blank;
        const int mask = o.inRom && wide ? 0xFF << s.shift : blank;
        if ((word & mask) != (blank & mask) ||
            (o.inRom && chip.CalWord && static_cast<long>(s.word) == chip.ROMSize - 1))
            return Arg(N_("the serial at %1 would write over the program's own data"), where);
    }
    return {};
}

std::string SerialPatch(const ChipRecord& chip, const SerialOptions& o, std::uint64_t value,
                        ImagePatch& patch) {
    std::vector<int> bytes;
    if (!SerialBytes(value, o.bytes, o.bigEndian, bytes))
        return DoesNotFit(value, o.bytes);
    const std::vector<Spot> spots = Spots(o, chip);
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const Spot& s = spots[i];
        if (!o.inRom || chip.IsWide())
            patch.push_back({o.inRom, s.word, bytes[i] << s.shift, 0xFF << s.shift});
        else
            patch.push_back({true, s.word, chip.RetlwOpcode() | bytes[i], chip.WordMask});
    }
    return {};
}

std::string SerialTooBig(std::uint64_t value, int bytes) {
    return bytes == 1 ? Arg(N_("serial %1 does not fit in 1 byte"), value)
                      : Arg(N_("serial %1 does not fit in %2 bytes"), value, bytes);
}

bool ReadSerialList(const std::string& path, bool isSqtp, std::vector<std::uint64_t>& values,
                    std::string& error, SqtpFile* sqtp) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        error = Arg(N_("cannot read the serial list %1"), path);
        return false;
    }
    if (isSqtp) {
        SqtpFile file;
        error = ReadSqtpFile(*text, path, file);
        for (std::size_t i = 1; error.empty() && i <= file.parts.size(); ++i)
            values.push_back(i);
        if (sqtp != nullptr)
            *sqtp = std::move(file);
        return error.empty();
    }
    int number = 0;
    for (const std::string& line : SplitLines(*text)) {
        ++number;
        std::uint64_t value = 0;
        if (Trimmed(line).empty())
            continue;
        if (!ParseSerialValue(line, value)) {
            error = Arg(N_("%1 line %2: not a serial number"), path, number);
            return false;
        }
        values.push_back(value);
    }
    return true;
}

bool SerialSource::LoadList(std::string& error) {
    if (o_.list.empty() || listLoaded_)
        return true;
    listLoaded_ = ReadSerialList(o_.list, o_.sqtp, values_, error);
    return listLoaded_;
}

// A missing state file is a new one: the counter's START, or the list's top.
bool SerialSource::ReadState(std::uint64_t& position, std::string& error) {
    const bool counter = o_.counter;
    position = counter ? o_.start : 0;
    const std::optional<std::string> text = ReadWholeFile(o_.state);
    std::error_code ec;
    if (!text && std::filesystem::exists(PathOf(o_.state), ec)) {
        error = Arg(N_("cannot read the serial state %1"), o_.state);
        return false;
    }
    if (!text)
        return true;
    const std::string key = counter ? "next " : "taken ";
    const std::vector<std::string> lines = SplitLines(*text);
    if (lines.size() != 1 || lines[0].rfind(key, 0) != 0 ||
        !ParseSerialValue(lines[0].substr(key.size()), position)) {
        error = Arg(counter ? N_("the serial state %1 is not a counter's (next N)")
                            : N_("the serial state %1 is not a list's (taken N)"),
                    o_.state);
        return false;
    }
    return true;
}

bool SerialSource::NextAt(std::uint64_t position, std::uint64_t& value, std::string& error) const {
    if (!o_.counter && position >= values_.size()) {
        error = Arg(N_("the serial list %1 has no number left"), o_.list);
        return false;
    }
    value = o_.counter ? position : values_[static_cast<std::size_t>(position)];
    std::vector<int> bytes;
    if (o_.sqtp || SerialBytes(value, o_.bytes, o_.bigEndian, bytes))
        return true;
    error = DoesNotFit(value, o_.bytes);
    return false;
}

bool SerialSource::Peek(std::uint64_t& value, std::string& error) {
    std::uint64_t position = 0;
    const StateLock lock(o_.state);
    return lock.Held(o_.state, error) && LoadList(error) && ReadState(position, error) &&
           NextAt(position, value, error);
}

bool SerialSource::Left(std::size_t& count, std::string& error) {
    std::uint64_t position = 0;
    const StateLock lock(o_.state);
    if (!lock.Held(o_.state, error) || !LoadList(error) || !ReadState(position, error))
        return false;
    count =
        o_.counter ? SIZE_MAX : values_.size() - std::min<std::size_t>(position, values_.size());
    return true;
}

bool SerialSource::Take(std::uint64_t& value, std::string& error) {
    const StateLock lock(o_.state);
    std::uint64_t position = 0;
    if (!lock.Held(o_.state, error) || !LoadList(error) || !ReadState(position, error) ||
        !NextAt(position, value, error))
        return false;
    const std::uint64_t next = o_.counter ? position + o_.step : position + 1;
    if (o_.counter && next < position) {
        error = N_("the serial counter has run out");
        return false;
    }
    const std::string state = (o_.counter ? "next " : "taken ") + std::to_string(next) + "\n";
    if (const std::string reason = WriteFileReplacing(o_.state, state); !reason.empty()) {
        error = Arg(N_("cannot write the serial state %1: %2"), o_.state, reason);
        return false;
    }
    return true;
}
