// tessaro-cli: the checksum the chip maker's tools show for a HEX file (checksum
// FILE), without a board.
#include "cli/cli_session.h"

#include <ostream>

int CliSession::RunChecksum() {
    if (!SelectChip() || !PrepareImage())
        return kExitInput;
    OperationResult r;
    TakeChecksums(r);
    std::ostream& out = *env_.out;
    if (!o_.json) {
        out << Translated(Arg(kChecksumLine, ShownChecksum(r.checksum))) << '\n';
        return kExitOk;
    }
    JsonLine line;
    line.Str("operation", "checksum").Str("chip", Bench().Chip().ChipName).Str("file", o_.file);
    if (r.checksum.empty())
        line.Null("checksum");
    else
        line.Str("checksum", r.checksum);
    out << line.Str("image_crc32", r.imageCrc32).Text() << '\n';
    return kExitOk;
}
