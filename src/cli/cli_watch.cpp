// tessaro-cli program --watch: the edit-assemble-program loop. The board stays
// connected; each time the HEX file is saved again it is loaded and programmed.
#include "cli/cli_session.h"
#include "cli/file_watch.h"

int CliSession::RunWatch() {
    // Watched from before the first Program: a save while it runs is not missed.
    FileWatch watch(o_.file);
    if (!watch.Ok()) {
        out_.Say(MeSays(N_("cannot watch %1: %2"), o_.file, watch.Error()), true);
        return kExitInput;
    }
    bool loaded = true;
    for (;;) {
        if (loaded) {
            const int code = RunSimple([this] { return Bench().Program(options_); });
            if (code == kExitInterrupted)
                return code;
        }
        out_.Say(MeSays(N_("watching %1 (Ctrl-C ends)"), o_.file), true);
        // The loop asks more than once: the change, once seen, is held.
        bool changed = false;
        if (host_.Serve([&] { return changed = changed || watch.Changed(); }) ==
            ConsoleHost::Served::Interrupted)
            return kExitInterrupted;
        // A file that does not load is reported; the next save is waited for.
        loaded = PrepareImage() && PrepareCalibration() && (!o_.serial.On() || PrepareSerial() == kExitOk);
    }
}
