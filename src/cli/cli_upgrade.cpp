// tessaro-cli upgrade: the board's own firmware, from its upgrade image, into
// the 16F628 in the socket, as Options > Upgrade does in the window. The
// image is unscrambled for the board that greeted.
#include "cli/cli_session.h"
#include "platform/utf8_path.h"
#include "protocol/engine_texts.h"
#include "workbench/bench_messages.h"
#include "workbench/workbench.h"


int CliSession::PrepareUpgrade() {
    if (!o_.chip.empty()) {
        out_.Say(
            MeSays(N_("upgrade programs the board's own %1: it takes no --chip"), kUpgradeChip),
            true);
        return kExitInput;
    }
    // A file that is not there is found before the board is reset.
    if (!IsExistingFile(o_.file)) {
        SayIn(boxes_, MessageWord::UpgradeFileError);
        return kExitInput;
    }
    return LoadChipFile(o_.style >= 0 ? o_.style : kFirstStyle) ? kExitOk : kExitInput;
}

int CliSession::RunUpgrade() {
    // The chip list the window would have for the board that greeted.
    if (!LoadChipFile(Bench().Style()))
        return kExitInput;
    OperationResult r = RunOperation(CliCommand::Upgrade,
                                     [this] { return Bench().UpgradeFrom(o_.file, options_); });
    // No checksums: the firmware is not the user's image, and it is gone once written.
    Report(r);
    return ExitCodeFor(r);
}
