// tessaro-cli: a serial number in every chip. The number is reserved in the
// store (the state file, or the line's database) before the chip is touched,
// and the log has its line at once: a run cut short still shows which chip
// had it.
#include "cli/cli_session.h"
#include "platform/translate.h"

#include <algorithm>

int CliSession::PrepareSerial() {
    const ChipRecord& chip = Bench().Chip();
    std::string error;
    if (o_.serial.sqtp) {
        // An SQTP file's records go where it says: refused before any chip is touched.
        std::vector<std::uint64_t> parts;
        sqtp_.emplace();
        if (ReadSerialList(o_.serial.list, true, parts, error, &*sqtp_))
            error = CheckSqtpPlace(*sqtp_, chip, Bench().ProgramWords(), Bench().EepromBytes());
    } else {
        error = CheckSerialPlace(o_.serial, chip, Bench().ProgramWords(), Bench().EepromBytes());
    }
    if (!error.empty()) {
        out_.Say(Arg(kMeLine, error), true);
        return kExitInput;
    }
    std::uint64_t first = 0;
    const std::size_t wanted =
        o_.command == CliCommand::Auto && o_.count > 0 ? static_cast<std::size_t>(o_.count) : 1;
    if (const int code = serials_.Open(o_, out_, wanted, first); code != kExitOk)
        return code;
    Bench().HoldImageForSerials();
    Bench().beforeProgram = [this] { return TakeSerial(); };
    return kExitOk;
}

// The writes of the number taken into the image; the number kept as the log shows it.
std::string CliSession::PatchOfTaken(std::uint64_t value, ImagePatch& patch) {
    const ChipRecord& chip = Bench().Chip();
    serial_ = std::to_string(value);
    if (!sqtp_)
        return SerialPatch(chip, o_.serial, value, patch);
    // An SQTP list gives the part's place in the file.
    patch = SqtpPartPatch(*sqtp_, value - 1, chip);
    serial_ = std::to_string(SqtpPartValue(*sqtp_, value - 1, chip));
    return {};
}

bool CliSession::TakeSerial() {
    std::uint64_t value = 0;
    std::string error;
    if (!serials_.Reserve(serials_.Claim(port_, Bench().Chip().ChipName), out_, env_.sleep, value))
        return false;
    ImagePatch number;
    error = PatchOfTaken(value, number);
    if (error.empty())
        Bench().PlaceSerialNumber(number);
    if (!error.empty()) {
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
