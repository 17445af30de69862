#include "cli/cli_report.h"

#include "cli/cli_messages.h"
#include "cli/console_output.h"
#include "fuses/calibration.h"
#include "image/chip_checksum.h"
#include "platform/translate.h"
#include "platform/utf8_path.h"
#include "protocol/command_set.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <mutex>

namespace {

int Rank(int code) {
    constexpr std::array<int, 5> kRanks = {0, 2, 3, 1, 4}; // ok, chip, board, input, interrupted
    return code >= 0 && code < 5 ? kRanks[static_cast<std::size_t>(code)] : 0;
}

void AddDifference(JsonLine& line, const ResultDetails& d) {
    // Program words, ID digits and configuration words are 4 digits; EEPROM bytes 2.
    const int digits = d.region == "EEPROM" ? 2 : 4;
    line.Str("region", d.region)
        .Str("address", Hex(d.address, d.address > 0xFFFF ? 6 : 4))
        .Str("expected", Hex(d.good, digits))
        .Str("found", Hex(d.bad, digits));
}

std::string NotErased(int flags) {
    const char* names[] = {"ROM", "EEPROM", "ID", "Fuse"};
    std::string list;
    for (int bit = 0; bit < 4; ++bit)
        if ((flags & (1 << bit)) != 0)
            list += (list.empty() ? "" : ",") + JsonString(names[bit]);
    return "[" + list + "]";
}

} // namespace

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Done:
        return N_("done");
    case Outcome::Difference:
        return N_("difference");
    case Outcome::Failed:
        return N_("failed");
    case Outcome::Declined:
        return N_("declined");
    case Outcome::Cancelled:
        return N_("cancelled");
    case Outcome::NoAnswer:
        return N_("no answer");
    case Outcome::BadAnswer:
        return N_("bad answer");
    case Outcome::WrongBoard:
        return N_("wrong board");
    case Outcome::None:
        break;
    }
    return "none";
}

const char* ResultName(const OperationResult& r) {
    if (!r.started)
        return r.declined ? OutcomeName(Outcome::Declined) : kRefused;
    // A chip the automatic loop was stopped on by a reset has no outcome of its own.
    if (r.interrupted && r.outcome == Outcome::None)
        return OutcomeName(Outcome::Cancelled);
    return OutcomeName(r.outcome);
}

int ExitCodeFor(const OperationResult& r) {
    if (r.interrupted)
        return kExitInterrupted;
    if (!r.started)
        return r.declined ? kExitChip : kExitInput;
    switch (r.outcome) {
    case Outcome::Done:
        return kExitOk;
    case Outcome::Difference:
    case Outcome::Failed:
    case Outcome::Declined:
        return kExitChip;
    case Outcome::Cancelled:
        return kExitInterrupted;
    case Outcome::NoAnswer:
    case Outcome::BadAnswer:
    case Outcome::WrongBoard:
    case Outcome::None: // ended without a result: the line failed somewhere
        break;
    }
    return kExitBoard;
}

int WorseExit(int a, int b) {
    return Rank(b) > Rank(a) ? b : a;
}

std::string ShownChecksum(const std::string& checksum) {
    return checksum.empty() ? std::string(kNoChecksumText) : checksum;
}

void AddResultFields(JsonLine& line, const OperationResult& r, const std::string& chip) {
    line.Str("operation", CommandRow(r.operation).result);
    // info names the board by its model; every other result by its port.
    if (!r.board.empty() && r.operation != CliCommand::Info)
        line.Str("board", r.board);
    if (r.number > 0)
        line.Int("number", r.number);
    line.Str("chip", chip);
    line.Str("result", ResultName(r));
    if (!r.details.region.empty())
        AddDifference(line, r.details);
    if (r.operation == CliCommand::Blank || r.details.blankFlags != 0)
        line.Raw("not_erased", NotErased(r.details.blankFlags));
    if (r.configBytes.size() >= 2) {
        const int word = ChipIdWord(r.configBytes);
        line.Str("device_id", Hex(DeviceIdOf(word), 4)).Int("revision", RevisionOf(word));
    } else {
        line.Null("device_id");
    }
    const auto readWritten = [&](const char* key, int read, int written, auto text) {
        if (read < 0)
            return;
        JsonLine pair;
        pair.Str("read", text(read));
        if (written >= 0)
            pair.Str("written", text(written));
        else
            pair.Null("written");
        line.Raw(key, pair.Text());
    };
    const ResultDetails& d = r.details;
    readWritten("calibration", d.calibrationRead, d.calibrationWritten,
                [](int word) { return Hex(word, 4); });
    readWritten("bandgap", d.bandGapRead, d.bandGapWritten, BandGapText);
    if (!r.serial.empty())
        line.Raw("serial", r.serial);
    // Every result says its image's checksum: null without an image (blank,
    // erase, calibration, info) and for a chip that has none.
    if (!r.checksum.empty())
        line.Str("checksum", r.checksum);
    else
        line.Null("checksum");
    if (!r.imageCrc32.empty())
        line.Str("image_crc32", r.imageCrc32);
    line.Num("elapsed_s", r.seconds, 2);
    if (!r.message.empty())
        line.Str("message", OneLine(r.message));
}

std::string Hex(long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

std::mutex& OutputLock() {
    static std::mutex lock;
    return lock;
}

std::string UtcTime(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

bool CanAppend(const std::string& path) {
    return std::ofstream(PathOf(path), std::ios::app | std::ios::binary).is_open();
}

bool AppendLogLine(const std::string& path, const std::string& line) {
    // Several boards of one run share the log: one line at a time.
    const std::lock_guard lock(OutputLock());
    std::ofstream log(PathOf(path), std::ios::app | std::ios::binary);
    log << line << '\n';
    log.flush();
    return static_cast<bool>(log);
}
