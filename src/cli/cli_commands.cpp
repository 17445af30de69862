// tessaro-cli: the commands. Each is one operation of the engine (or, for
// auto, a loop of them) followed to its end, reported, and turned into an
// exit code.
#include "chipdb/chip_record.h"
#include "cli/cli_session.h"
#include "image/hex_save.h"
#include "link/programmer_style.h"
#include "protocol/command_set.h"

#include <chrono>
#include <ostream>
#include <utility>

namespace {
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
} // namespace

std::string CliSession::Checksum() const {
    return ImageChecksum(host_.image, host_.chip, host_.id);
}

OperationResult CliSession::RunOperation(const char* operation,
                                         const std::function<void()>& start) {
    OperationResult r;
    r.operation = operation;
    ProgrammerEngine& engine = host_.engine;
    const int starts = host_.starts;
    const int declined = boxes_.Declined();
    engine.ForgetOutcome();
    start();
    r.started = host_.starts != starts;
    if (!r.started) {
        r.declined = boxes_.Declined() != declined;
        r.message = boxes_.LastText();
        return r;
    }
    FollowOperation(r, [&] { return engine.Idle(); });
    Collect(r);
    // After a failure on the line the board is reset: its greeting is awaited.
    FollowOperation(r, [this] { return host_.Idle(); });
    return r;
}

// Serves the operation until `over`. Ctrl-C cancels it as the Cancel button
// does; a second Ctrl-C resets the board at once and waits no more.
void CliSession::FollowOperation(OperationResult& r, const std::function<bool()>& over) {
    ProgrammerEngine& engine = host_.engine;
    while (host_.Serve(over) == ConsoleHost::Served::Interrupted) {
        if (!r.interrupted) {
            r.interrupted = true;
            out_.Say(kMe + std::string("interrupted: cancelling"), true);
            engine.Cancel();
            continue;
        }
        engine.ResetProgrammer(true);
        engine.ResetSerial(false);
    }
}

void CliSession::Collect(OperationResult& r) {
    const ProgrammerEngine& engine = host_.engine;
    r.outcome = engine.Outcome();
    r.details = engine.Details();
    r.configBytes = engine.ConfigBytes();
    r.message = boxes_.LastText();
    r.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - host_.started).count();
}

void CliSession::Report(const OperationResult& r, const std::function<void(JsonLine&)>& extra) {
    OperationResult shown = r;
    shown.board = port_;
    // A number once given to a chip is logged with the chip, whatever became of it.
    if (r.operation == "program")
        shown.serial = std::exchange(serial_, {});
    // A configuration word that differs: which options differ, after its message.
    const std::vector<std::string> fuses = FuseDifference(r);
    for (const std::string& text : fuses)
        out_.Say(kMe + text, true);
    const auto fields = [&](JsonLine& line) {
        AddResultFields(line, shown, host_.chip.ChipName);
        if (!fuses.empty())
            line.Raw("fuse_difference", JsonStringArray(fuses));
        if (!o_.file.empty())
            line.Str("file", o_.file);
        if (extra)
            extra(line);
    };
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
        out_.Say(kMe + std::string(kCannotWriteLog) + o_.log, true);
}

int CliSession::RunSimple(const char* operation, const std::function<void()>& start) {
    OperationResult r = RunOperation(operation, start);
    if (!o_.file.empty())
        r.checksum = Checksum();
    Report(r);
    return ExitCodeFor(r);
}

int CliSession::RunRead() {
    OperationResult r = RunOperation("read", [this] { host_.engine.Read(); });
    bool saved = false;
    if (r.started && r.outcome == Outcome::Done && !r.interrupted) {
        r.checksum = Checksum();
        saved = SaveHexFile(o_.file, host_.image, host_.chip, host_.id);
        if (!saved) {
            boxes_.Error(kSaveProblem);
            r.message = boxes_.LastText();
        }
    }
    Report(r, [&](JsonLine& line) { line.Bool("saved", saved); });
    if (o_.disasm && r.started && r.outcome == Outcome::Done && !r.interrupted)
        PrintDisassembly();
    const int code = ExitCodeFor(r);
    return code == kExitOk && !saved ? kExitInput : code;
}

int CliSession::RunInfo() {
    ProgrammerEngine& engine = host_.engine;
    const char* board = StyleInfo(engine.Style()).messageName;
    if (!host_.chipSelected) {
        if (o_.json)
            *env_.out << JsonLine()
                             .Str("operation", "info")
                             .Str("result", "done")
                             .Str("board", board)
                             .Text()
                      << '\n';
        else
            *env_.out << "board: " << board << '\n';
        return kExitOk;
    }
    const OperationResult r = RunOperation("info", [&] { engine.ReadChipInfo(); });
    ReportInfo(r);
    const bool read = r.configBytes.size() >= 2;
    const int deviceId = read ? ChipIdWord(r.configBytes) & 0x3FE0 : -1;
    const int code = ExitCodeFor(r);
    // The chip in the socket is not the chip named: that is the answer asked for.
    if (code == kExitOk && read && host_.chip.ChipID != kNoDeviceId &&
        host_.chip.ChipID != deviceId)
        return kExitChip;
    return code;
}

void CliSession::ReportInfo(const OperationResult& r) {
    const ChipRecord& chip = host_.chip;
    const char* board = StyleInfo(host_.engine.Style()).messageName;
    const std::string model = ModelAnswerName(r.details.modelAnswer);
    const bool read = r.configBytes.size() >= 2;
    const int word = read ? ChipIdWord(r.configBytes) : 0;
    const bool match = chip.ChipID == kNoDeviceId || chip.ChipID == (word & 0x3FE0);
    Report(r, [&](JsonLine& line) {
        line.Str("board", board);
        if (model.empty())
            line.Null("model_answer");
        else
            line.Str("model_answer", model);
        if (read)
            line.Str("chip_id_word", Hex4(word)).Bool("match", match);
    });
    if (o_.json)
        return;
    std::ostream& out = *env_.out;
    out << "board: " << board << '\n';
    if (!model.empty())
        out << "model answer: " << model << '\n';
    if (!read)
        return;
    out << "chip ID word: " << Hex4(word) << " (device ID " << Hex4(word & 0x3FE0) << ", revision "
        << (word & 0x1F) << ")\n";
    out << "chip: " << chip.ChipName
        << (match ? " matches" : " does not match (its ID is " + Hex4(chip.ChipID) + ")") << '\n';
}

int CliSession::RunAuto() {
    ProgrammerEngine& engine = host_.engine;
    host_.autoCount = o_.count;
    host_.starts = 0;
    engine.StartAutoProgram();
    if (!host_.AutoProgramOn())
        return kExitInput; // the program said why
    AutoTally tally;
    OperationResult tail; // the wait for the board after the loop
    for (int number = 1;; ++number) {
        const int declined = boxes_.Declined();
        const auto next = [&] {
            return host_.starts >= number || host_.ProgramRefused() ||
                   (host_.Idle() && !host_.AutoProgramOn());
        };
        if (host_.Serve(next) == ConsoleHost::Served::Interrupted) {
            // Between chips the loop ends as Cancel ends it: by a board reset.
            tail.interrupted = true;
            out_.Say(kMe + std::string("interrupted: ending"), true);
            engine.Cancel();
            break;
        }
        if (!host_.ProgramRefused() && host_.starts < number) {
            // The loop is over: after the last chip counted, or because the
            // board stopped it (an answer that did not fit, silence).
            if (o_.count == 0 || number <= o_.count)
                tally.code = WorseExit(tally.code, kExitBoard);
            break;
        }
        const OperationResult r = AutoChip(number, declined);
        CountChip(r, tally);
        if (r.interrupted || !r.started) {
            tail.interrupted = r.interrupted;
            break;
        }
    }
    FollowOperation(tail, [this] { return host_.Idle(); });
    return tail.interrupted ? kExitInterrupted : tally.code;
}

// The chip the loop has just taken: followed until its operation is over, or,
// when Program did not start for it (a question answered No), noted as such.
OperationResult CliSession::AutoChip(int number, int declined) {
    ProgrammerEngine& engine = host_.engine;
    OperationResult r;
    r.operation = "program";
    r.number = number;
    r.checksum = Checksum();
    if (host_.ProgramRefused()) {
        r.declined = boxes_.Declined() != declined;
        r.message = boxes_.LastText();
        engine.ResetSerial(false);
        return r;
    }
    r.started = true;
    FollowOperation(r, [&] { return engine.Idle() || engine.WaitingForChipRemoval(); });
    Collect(r);
    return r;
}

void CliSession::CountChip(const OperationResult& r, AutoTally& tally) {
    Report(r);
    ++(r.started && r.outcome == Outcome::Done ? tally.passed : tally.failed);
    out_.Tally(tally.passed, tally.failed);
    out_.Say(kMe + std::string("chip ") + std::to_string(r.number) + ": " + ResultName(r) + "; " +
                 std::to_string(tally.passed) + " passed, " + std::to_string(tally.failed) +
                 " failed",
             true);
    tally.code = WorseExit(tally.code, ExitCodeFor(r));
}
