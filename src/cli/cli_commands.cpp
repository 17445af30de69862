// tessaro-cli: the commands. Each is one operation of the engine (or, for
// auto, a loop of them) followed to its end, reported, and turned into an
// exit code.
#include "chipdb/chip_record.h"
#include "cli/cli_session.h"
#include "image/chip_checksum.h"
#include "image/hex_save.h"
#include "link/programmer_style.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine_texts.h"
#include "workbench/workbench.h"

#include <chrono>
#include <ostream>
#include <utility>

namespace {
constexpr const char* kBoardLine = N_("board: %1");
std::string Hex4(int value) {
    return Hex(value & 0xFFFF, 4);
}

std::string ModelAnswerName(int answer) {
    if (answer == 'X')
        return "X";
    if (answer >= 0 && answer < StyleCount)
        return StyleInfo(answer).messageName;
    return {};
}

// What an operation that ended tells the run's result.
void TakeEnd(OperationResult& r, const ConsoleHost::Ended& e) {
    r.outcome = e.report.outcome;
    r.details = e.report.details;
    r.configBytes = e.report.configBytes;
    r.message = Worded(e.report.message);
    r.seconds = e.seconds;
}
} // namespace

void CliSession::TakeChecksums(OperationResult& r) const {
    r.checksum = ChecksumText(Bench().Checksum());
    r.imageCrc32 = Bench().ImageCrc32();
}

OperationResult CliSession::RunOperation(CliCommand operation,
                                         const std::function<StartResult()>& start) {
    OperationResult r;
    r.operation = operation;
    host_.ForgetEnded();
    const StartResult started = start();
    r.started = started == StartResult::Started;
    if (!r.started) {
        r.declined = started == StartResult::Declined;
        r.message = Worded(Bench().LastMessage());
        return r;
    }
    FollowOperation(r, [this] { return host_.HasEnded(); });
    Collect(r);
    // After a failure on the line the board is reset: its greeting is awaited.
    FollowOperation(r, [this] { return Bench().AtRest(); });
    return r;
}

// Serves the operation until `over`. Ctrl-C cancels it as the Cancel button
// does; a second Ctrl-C resets the board at once and waits no more.
void CliSession::FollowOperation(OperationResult& r, const std::function<bool()>& over) {
    Workbench& bench = Bench();
    while (host_.Serve(over) == ConsoleHost::Served::Interrupted) {
        if (!r.interrupted) {
            r.interrupted = true;
            out_.Say(MeSays(kInterruptedCancelling), true);
            bench.Cancel();
            continue;
        }
        bench.ResetBoard();
        bench.ReturnToIdle(false);
    }
}

void CliSession::Collect(OperationResult& r) {
    if (host_.HasEnded())
        TakeEnd(r, host_.TakeEnded());
}

void CliSession::Report(const OperationResult& r, const std::function<void(JsonLine&)>& extra) {
    OperationResult shown = r;
    shown.board = port_;
    // A number once given to a chip is logged with the chip, whatever became of it.
    if (r.operation == CliCommand::Program)
        shown.serial = std::exchange(serial_, {});
    // A configuration word that differs: which options differ, after its message.
    const std::vector<std::string> fuses = FuseDifference(r);
    for (const std::string& text : fuses)
        out_.Say(Arg(kMeLine, text), true);
    if (!o_.json && !r.imageCrc32.empty())
        out_.Say(MeSays(kChecksumLine, ShownChecksum(r.checksum)));
    const auto fields = [&](JsonLine& line) {
        AddResultFields(line, shown, Bench().Chip().ChipName);
        if (!fuses.empty())
            line.Raw("fuse_difference", JsonStringArray(fuses));
        if (!o_.file.empty())
            line.Str("file", o_.file);
        if (extra)
            extra(line);
    };
    if (recorder_ != nullptr) {
        JsonLine line;
        fields(line);
        RecordResult(line.Text());
    }
    if (r.operation == CliCommand::Program) {
        JsonLine line;
        fields(line);
        serials_.Close(line.Text(), out_);
    }
    if (o_.json) {
        JsonLine line;
        fields(line);
        const std::lock_guard lock(OutputLock());
        *env_.out << line.Text() << '\n' << std::flush;
    }
    if (o_.log.empty())
        return;
    JsonLine line;
    line.Str("time", UtcTime(std::chrono::system_clock::now()));
    fields(line);
    if (!AppendLogLine(o_.log, line.Text()))
        out_.Say(MeSays(kCannotWriteLog, o_.log), true);
}

int CliSession::RunSimple(const std::function<StartResult()>& start) {
    OperationResult r = RunOperation(o_.command, start);
    if (!o_.file.empty())
        TakeChecksums(r);
    Report(r);
    return ExitCodeFor(r);
}

int CliSession::RunBlank() {
    return RunSimple([this] { return Bench().BlankCheck(EraseChoice::Check, options_); });
}

int CliSession::RunErase() {
    if (!Bench().Chip().FlashChip) {
        out_.Say(MeSays(N_("the %1 cannot be erased"), Bench().Chip().ChipName), true);
        return kExitInput;
    }
    return RunSimple([this] { return Bench().Erase(options_); });
}

int CliSession::RunVerify() {
    return RunSimple([this] { return Bench().Verify(options_); });
}

int CliSession::RunProgram() {
    if (o_.watch)
        return RunWatch();
    return RunSimple([this] { return Bench().Program(options_); });
}

int CliSession::RunRead() {
    OperationResult r = RunOperation(CliCommand::Read, [this] { return Bench().Read(options_); });
    bool saved = false;
    if (r.started && r.outcome == Outcome::Done && !r.interrupted) {
        TakeChecksums(r);
        saved = Bench().SaveAs(o_.file);
        if (!saved) {
            boxes_.Error(kSaveProblem);
            r.message = kSaveProblem;
        }
    }
    Report(r, [&](JsonLine& line) { line.Bool("saved", saved); });
    if (o_.disasm && r.started && r.outcome == Outcome::Done && !r.interrupted)
        PrintDisassembly();
    const int code = ExitCodeFor(r);
    return code == kExitOk && !saved ? kExitInput : code;
}

int CliSession::RunInfo() {
    Workbench& bench = Bench();
    const char* board = StyleInfo(bench.Style()).messageName;
    if (!bench.ChipSelected()) {
        if (o_.json)
            *env_.out << JsonLine()
                             .Str("operation", "info")
                             .Str("result", "done")
                             .Str("board", board)
                             .Text()
                      << '\n';
        else
            *env_.out << Translated(Arg(kBoardLine, board)) << '\n';
        return kExitOk;
    }
    const OperationResult r =
        RunOperation(CliCommand::Info, [&] { return bench.ReadChipInfo(options_); });
    ReportInfo(r);
    const bool read = r.configBytes.size() >= 2;
    const int deviceId = read ? DeviceIdOf(ChipIdWord(r.configBytes)) : -1;
    const int code = ExitCodeFor(r);
    // The chip in the socket is not the chip named: that is the answer asked for.
    if (code == kExitOk && read && !bench.Chip().MatchesDeviceId(deviceId))
        return kExitChip;
    return code;
}

void CliSession::ReportInfo(const OperationResult& r) {
    const ChipRecord& chip = Bench().Chip();
    const char* board = StyleInfo(Bench().Style()).messageName;
    const std::string model = ModelAnswerName(r.details.modelAnswer);
    const bool read = r.configBytes.size() >= 2;
    const int word = read ? ChipIdWord(r.configBytes) : 0;
    const bool match = chip.MatchesDeviceId(DeviceIdOf(word));
    // The chip in the socket: the one named when its ID matches, otherwise the
    // chip of the chip file (same core) whose ID it reports.
    const bool identified = read && chip.ChipID != kNoDeviceId;
    const std::string socketChip = match ? chip.ChipName : r.details.socketChip;
    // What the chip maker's tools show for this chip erased: info reads no memory.
    const std::string blank = ChecksumText(BlankChecksum(chip));
    Report(r, [&](JsonLine& line) {
        line.Str("board", board);
        if (model.empty())
            line.Null("model_answer");
        else
            line.Str("model_answer", model);
        if (read)
            line.Str("chip_id_word", Hex4(word)).Bool("match", match);
        if (identified && !socketChip.empty())
            line.Str("socket_chip", socketChip);
        else
            line.Null("socket_chip");
        if (blank.empty())
            line.Null("blank_checksum");
        else
            line.Str("blank_checksum", blank);
    });
    if (o_.json)
        return;
    std::ostream& out = *env_.out;
    out << Translated(Arg(kBoardLine, board)) << '\n';
    out << Translated(Arg(N_("checksum when blank: %1"), ShownChecksum(blank))) << '\n';
    if (!model.empty())
        out << Translated(Arg(N_("model answer: %1"), model)) << '\n';
    if (!read)
        return;
    out << Translated(Arg(N_("chip ID word: %1 (device ID %2, revision %3)"), Hex4(word),
                          Hex4(DeviceIdOf(word)), RevisionOf(word)))
        << '\n';
    out << Translated(match ? Arg(N_("chip: %1 matches"), chip.ChipName)
                            : Arg(N_("chip: %1 does not match (its ID is %2)"), chip.ChipName,
                                  Hex4(chip.ChipID)))
        << '\n';
    if (match)
        return;
    out << Translated(socketChip.empty()
                          ? Arg(N_("chip in socket: none of the chip file has device ID %1"),
                                Hex4(DeviceIdOf(word)))
                          : Arg(N_("chip in socket: %1"), socketChip))
        << '\n';
}

int CliSession::RunAuto() {
    host_.ForgetEnded();
    if (Bench().StartAutoProgram(options_, o_.count) != StartResult::Started)
        return kExitInput; // the program said why
    AutoTally tally;
    OperationResult tail; // the wait for the board after the loop
    for (int number = 1;; ++number) {
        OperationResult r;
        r.operation = CliCommand::Program;
        r.number = number;
        FollowAutoChip(r, tail);
        const ConsoleHost::Ended e = host_.TakeEnded();
        TakeChecksums(r);
        if (e.report.operation == Operation::Program) {
            r.started = true;
            TakeEnd(r, e);
            CountChip(r, tally);
            if (!r.interrupted)
                continue;
            tail.interrupted = true;
            break;
        }
        // The loop is over: it did not start the next chip's Program (the
        // message says why), or the last chip counted is done, or the board
        // stopped it (an answer that did not fit, silence), or Ctrl-C.
        if (e.report.refused != StartResult::Started) {
            r.declined = e.report.refused == StartResult::Declined;
            r.message = Worded(e.report.message);
            CountChip(r, tally);
        } else if (!tail.interrupted && (o_.count == 0 || number <= o_.count)) {
            tally.code = WorseExit(tally.code, kExitBoard);
        }
        break;
    }
    FollowOperation(tail, [this] { return Bench().AtRest(); });
    return tail.interrupted ? kExitInterrupted : tally.code;
}

// Serves the loop until the chip under way is over, or the loop itself. Ctrl-C
// during a chip cancels it as the Cancel button does (a second resets the
// board); between chips it ends the loop.
void CliSession::FollowAutoChip(OperationResult& r, OperationResult& tail) {
    Workbench& bench = Bench();
    while (host_.Serve([this] { return host_.HasEnded(); }) == ConsoleHost::Served::Interrupted) {
        if (bench.Busy()) {
            if (r.interrupted) {
                bench.ResetBoard();
                bench.ReturnToIdle(false);
                continue;
            }
            r.interrupted = true;
            out_.Say(MeSays(kInterruptedCancelling), true);
        } else {
            tail.interrupted = true;
            out_.Say(MeSays(N_("interrupted: ending")), true);
        }
        bench.Cancel();
    }
}

void CliSession::CountChip(const OperationResult& r, AutoTally& tally) {
    Report(r);
    ++(r.started && r.outcome == Outcome::Done ? tally.passed : tally.failed);
    out_.Tally(tally.passed, tally.failed);
    out_.Say(MeSays(N_("chip %1: %2; %3 passed, %4 failed"), r.number, ResultName(r), tally.passed,
                    tally.failed),
             true);
    tally.code = WorseExit(tally.code, ExitCodeFor(r));
}
