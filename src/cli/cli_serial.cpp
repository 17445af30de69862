// tessaro-cli: a serial number in every chip. The number is given out (and
// the state file has moved past it) before the chip is touched, and the log
// has its line at once: a run cut short still shows which chip had it.
#include "cli/cli_session.h"
#include "platform/translate.h"

#include <algorithm>

bool CliSession::PrepareSerial() {
    const ChipRecord& chip = Bench().Chip();
    const std::string place =
        o_.serial.sqtp ? std::string() : CheckSerialPlace(o_.serial, chip, Bench().Image());
    std::string error;
    std::uint64_t first = 0;
    serials_.emplace(o_.serial);
    std::size_t left = 0;
    const std::size_t wanted =
        o_.command == CliCommand::Auto && o_.count > 0 ? static_cast<std::size_t>(o_.count) : 1;
    if (!place.empty())
        error = place;
    else if (serials_->Peek(first, error) && serials_->Left(left, error) && left < wanted)
        error = left == 1 ? Arg(N_("the serial list %1 has 1 number left, not %2"), o_.serial.list,
                                wanted)
                          : Arg(N_("the serial list %1 has %2 numbers left, not %3"),
                                o_.serial.list, left, wanted);
    // An SQTP file's records go where it says: refused before any chip is touched.
    if (error.empty() && serials_->Sqtp())
        error = CheckSqtpPlace(*serials_->Sqtp(), chip, Bench().Image());
    if (!error.empty()) {
        out_.Say(Arg(kMeLine, error), true);
        return false;
    }
    plainImage_ = Bench().Image();
    Bench().beforeProgram = [this] { return TakeSerial(); };
    return true;
}

// Writes the number taken into the image and keeps it as the log shows it.
std::string CliSession::PlaceTaken(std::uint64_t value) {
    const SqtpFile* sqtp = serials_->Sqtp();
    serial_ = std::to_string(value);
    if (!sqtp)
        return PlaceSerial(Bench().Image(), Bench().Chip(), o_.serial, value);
    // An SQTP list gives the part's place in the file.
    PlaceSqtpPart(*sqtp, value - 1, Bench().Chip(), Bench().Image());
    serial_ = std::to_string(SqtpPartValue(*sqtp, value - 1, Bench().Chip()));
    return {};
}

bool CliSession::TakeSerial() {
    std::uint64_t value = 0;
    std::string error;
    Bench().Image() = plainImage_;
    if (!serials_->Take(value, error) || !(error = PlaceTaken(value)).empty()) {
        out_.Say(Arg(kMeLine, error), true);
        return false;
    }
    out_.Say(MeSays(N_("serial %1"), serial_));
    if (o_.log.empty())
        return true;
    JsonLine line;
    line.Str("time", UtcTime(std::chrono::system_clock::now()))
        .Str("operation", "program")
        .Str("board", port_)
        .Str("chip", Bench().Chip().ChipName)
        .Str("result", "started")
        .Raw("serial", serial_);
    OperationResult image;
    TakeChecksums(image);
    if (image.checksum.empty())
        line.Null("checksum");
    else
        line.Str("checksum", image.checksum);
    line.Str("image_crc32", image.imageCrc32);
    if (!AppendLogLine(o_.log, line.Text())) {
        out_.Say(MeSays(kCannotWriteLog, o_.log), true);
        return false;
    }
    return true;
}
