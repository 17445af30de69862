// tessaro-cli replay: a recorded session run again, with the recording's
// chip, options and file, against the recording's board, with no board and
// no port; and the recording in pyserial's spy format.
#include "cli/cli_session.h"

#include "cli/interrupts.h"
#include "cli/spy_export.h"
#include "link/replay_port.h"
#include "platform/sha256.h"
#include "platform/utf8_path.h"

#include <filesystem>
#include <system_error>

namespace {
// Options of the recorded run that do not belong in its replay: the replay
// has its own port and output, and writes no log, recording or trace of the
// recorded run's, nor touches its serial numbers' state (a run that gave
// serial numbers is then refused: its numbers have nowhere to come from).
bool Dropped(const std::string& arg, bool& takesValue) {
    for (const char* name : {"--port", "--record", "--log", "--serial-state"}) {
        const std::string n = name;
        if (arg == n || arg.rfind(n + "=", 0) == 0) {
            takesValue = arg == n;
            return true;
        }
    }
    takesValue = false;
    return arg == "--json" || arg == "--trace" || arg == "--quiet";
}

std::vector<std::string> ReplayArgs(const JsonValue& header) {
    std::vector<std::string> args;
    const auto found = header.fields.find("args");
    if (found == header.fields.end())
        return args;
    const std::vector<JsonValue>& given = found->second.items;
    for (std::size_t i = 0; i < given.size(); ++i) {
        bool takesValue = false;
        if (Dropped(given[i].text, takesValue))
            i += takesValue ? 1 : 0;
        else
            args.push_back(given[i].text);
    }
    return args;
}

// A fast replay lets the line settle only this long after the greeting: the
// board's bytes come at once, or not at all.
constexpr int kFastSettleMs = 20;

// The board and what the replay saw of the engine meanwhile.
struct ReplayWatch {
    int state = 0;
    std::string stateName;
    int stateAtEnd = -1; // the state when the replay became over
    std::string nameAtEnd;
    int interrupts = 0;
    bool opened = false;
};
void Tell(const CliOptions& o, const CliEnvironment& env, const ReplayBoard& board,
          const ReplayWatch& watch) {
    const std::optional<ReplayBoard::Difference> d =
        board.Differs() ? board.Differs() : board.Unmatched();
    const int line = d ? d->line : board.recording().lastLine;
    if (o.json) {
        JsonLine j;
        j.Str("operation", "replay").Str("result", d ? "difference" : "same");
        if (d)
            j.Int("line", line)
                .Int("state", watch.stateAtEnd)
                .Str("state_name", watch.nameAtEnd)
                .Str("expected", d->expected)
                .Str("found", d->found);
        if (board.PastEnd())
            j.Bool("cut_short", true).Int("line", line);
        *env.out << j.Text() << '\n';
    } else if (d) {
        *env.out << Translated(Arg(N_("difference: line %1, state %2 %3: the recording has %4, "
                                      "the program sent %5"),
                                   line, watch.stateAtEnd, watch.nameAtEnd,
                                   d->expected.empty() ? "-" : d->expected,
                                   d->found.empty() ? "-" : d->found))
                 << '\n';
    } else if (board.PastEnd()) {
        *env.out << Translated(
                        Arg(N_("same up to line %1, where the recording is cut short"), line))
                 << '\n';
    } else {
        *env.out << Translated(N_("same")) << '\n';
    }
    env.out->flush();
}

// Runs the recorded command through a session of its own whose port is the
// recording's board; the first difference, or the end of a recording cut
// short, cancels it as Ctrl-C would (twice: the cancel's own bytes are past
// the difference).
int RunAgainst(Recording recording, const CliOptions& inner, const CliOptions& o,
               const CliEnvironment& outer, ConsoleOutput& out) {
    ReplayBoard board(std::move(recording), o.fast);
    ReplayWatch watch;
    board.SetOnOver([&] {
        if (watch.stateAtEnd < 0) {
            watch.stateAtEnd = watch.state;
            watch.nameAtEnd = watch.stateName;
        }
        if (watch.interrupts < 2) {
            ++watch.interrupts;
            CountInterrupt();
        }
    });
    CliEnvironment env = outer;
    env.out = outer.err; // what the replayed run reports; standard output has the replay's verdict
    env.openPort = [&watch, open = ReplayOpener(board)](const PortTarget& target) {
        watch.opened = true;
        return open(target);
    };
    env.stateEntered = [&](int state, const char* name) {
        watch.state = state;
        watch.stateName = name;
    };
    if (o.fast) {
        env.sleep = [](int) {};
        env.settleMs = kFastSettleMs;
    }
    int code = kExitOk;
    {
        // Its end closes the port, the recording's last host event.
        CliSession session(inner, env, &out);
        code = session.Run();
    }
    if (code == kExitInput && !watch.opened)
        return kExitInput; // refused before the port opened: the chip file or the options
    const bool differs = board.Differs() || (!board.PastEnd() && board.Unmatched());
    if (watch.stateAtEnd < 0) {
        watch.stateAtEnd = watch.state;
        watch.nameAtEnd = watch.stateName;
    }
    Tell(o, outer, board, watch);
    return differs ? kExitChip : kExitOk;
}
} // namespace

std::string CheckReplayOptions(const CliOptions& o, const CliCommandRow& c) {
    const bool replay = c.command == CliCommand::Replay;
    if (!o.record.empty() && !c.onBoard)
        return N_("--record belongs to the commands that talk to a board");
    if (!replay && (o.fast || !o.hexFile.empty() || !o.exportAs.empty()))
        return N_("--fast, --file and --export belong to replay");
    return {};
}

const char* CliRecordUsage() {
    return N_(R"(
Recordings:
  --record FILE   write the session down in FILE, every byte each way and
                  every line change (JSON Lines); with several boards one
                  file each, the port in its name. It holds the program
                  written into the chip.
  replay FILE     run the recorded operation again against the recording's
                  board (no board or port needed): same (exit 0) or the
                  first difference, its line, what was expected and found
                  (exit 1)
  --fast          replay: as fast as it goes, not at the recorded pace
  --file HEX      replay: this HEX file in place of the one recorded (its
                  SHA-256 must match)
  --export spy    replay: write the recording in pyserial's spy format
)");
}

int CliSession::RunReplay() {
    Recording recording;
    std::string error;
    if (!ReadRecording(o_.file, recording, error)) {
        out_.Say(MeSays(N_("cannot replay %1: %2"), o_.file, error), true);
        return kExitInput;
    }
    if (!o_.exportAs.empty()) {
        ExportSpy(recording, *env_.out);
        return kExitOk;
    }
    const CliParseResult parsed = ParseCliOptions(ReplayArgs(recording.header));
    if (!parsed.ok || !CommandRow(parsed.options.command).onBoard) {
        out_.Say(MeSays(N_("%1 names no operation on a board to replay"), o_.file), true);
        return kExitInput;
    }
    // After its first Program a watch run programs the file as it was saved
    // later; the recording holds the first file's SHA-256 alone, so what the
    // later ones held, and so what the program would send, is not known.
    if (parsed.options.watch) {
        out_.Say(MeSays(N_("%1 records program --watch: the files saved after its first program "
                           "are not in it, so it cannot be replayed (tessaro-boardsim --check "
                           "checks it)"),
                        o_.file),
                 true);
        return kExitInput;
    }
    CliOptions inner = parsed.options;
    inner.port = recording.header.Str("port", "COM1");
    inner.ports = {inner.port};
    const CliFile file = CommandRow(inner.command).file;
    std::string scratch; // where a replayed read writes, so as to touch no file of the user's
    if (file == CliFile::In) {
        inner.file = o_.hexFile.empty() ? recording.header.Str("file") : o_.hexFile;
        if (FileSha256Hex(inner.file) != recording.header.Str("hex_sha256")) {
            out_.Say(MeSays(N_("%1 is not the HEX file of the recording (its SHA-256 differs)"),
                            inner.file),
                     true);
            return kExitInput;
        }
    } else if (file == CliFile::Out) {
        std::error_code ec;
        scratch = Utf8Of(std::filesystem::temp_directory_path(ec) / "tessaro-replay-read.hex");
        inner.file = o_.hexFile.empty() ? scratch : o_.hexFile;
    }
    const int code = RunAgainst(std::move(recording), inner, o_, env_, out_);
    if (!scratch.empty() && inner.file == scratch) {
        std::error_code ec;
        std::filesystem::remove(scratch, ec);
    }
    return code;
}
