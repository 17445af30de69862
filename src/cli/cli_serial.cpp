// tessaro-cli: a serial number in every chip. The number is given out (and
// the state file has moved past it) before the chip is touched, and the log
// has its line at once: a run cut short still shows which chip had it.
#include "cli/cli_session.h"
#include "platform/translate.h"

#include <algorithm>

bool CliSession::PrepareSerial() {
    const std::string place = CheckSerialPlace(o_.serial, Bench().Chip(), Bench().Image());
    std::string error;
    std::uint64_t first = 0;
    serials_.emplace(o_.serial);
    std::size_t left = 0;
    const std::size_t wanted =
        o_.command == CliCommand::Auto && o_.count > 0 ? static_cast<std::size_t>(o_.count) : 1;
    if (!place.empty())
        error = place;
    else if (serials_->Peek(first, error) && serials_->Left(left, error) && left < wanted)
        error =
            Arg(N_("the serial list %1 has %2 numbers left, not %3"), o_.serial.list, left, wanted);
    if (!error.empty()) {
        out_.Say(Arg(kMeLine, error), true);
        return false;
    }
    Bench().HoldImageForSerials();
    Bench().beforeProgram = [this] { return TakeSerial(); };
    return true;
}

bool CliSession::TakeSerial() {
    std::uint64_t value = 0;
    std::string error;
    bool placed = false;
    error = Bench().PlaceSerialNumber([&](MemoryImage& image, const ChipRecord& chip) {
        std::string why;
        if (serials_->Take(value, why))
            placed = (why = PlaceSerial(image, chip, o_.serial, value)).empty();
        return why;
    });
    if (!placed) {
        out_.Say(Arg(kMeLine, error), true);
        return false;
    }
    serial_ = std::to_string(value);
    out_.Say(MeSays(N_("serial %1"), serial_));
    if (o_.log.empty())
        return true;
    JsonLine line;
    line.Str("time", UtcTime(std::chrono::system_clock::now()))
        .Str("operation", "program")
        .Str("board", port_)
        .Str("chip", Bench().Chip().ChipName)
        .Str("result", "started")
        .Raw("serial", serial_)
        .Str("image_crc32", Checksum());
    if (!AppendLogLine(o_.log, line.Text())) {
        out_.Say(MeSays(kCannotWriteLog, o_.log), true);
        return false;
    }
    return true;
}
