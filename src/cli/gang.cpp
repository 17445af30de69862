#include "cli/gang.h"

#include "cli/cli_report.h"
#include "cli/cli_session.h"
#include "cli/terminal.h"
#include "platform/translate.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace {
// A status line longer than the terminal would wrap and throw the redraw off.
std::size_t TerminalWidth() {
    const std::size_t columns = TerminalColumns();
    return columns > 1 ? columns - 1 : 79;
}

const char* Ending(int code) {
    switch (code) {
    case kExitOk:
        return N_("ok");
    case kExitChip:
        return N_("chip failed");
    case kExitBoard:
        return N_("board failed, set aside");
    case kExitInput:
        return kRefused;
    case kExitInterrupted:
        return N_("interrupted");
    default:
        return N_("running");
    }
}
} // namespace

BoardsView::BoardsView(std::ostream& err, bool terminal, bool automatic,
                       std::vector<std::string> boards)
    : err_(err), terminal_(terminal), automatic_(automatic) {
    for (std::string& name : boards)
        boards_.emplace_back().name = std::move(name);
}

std::string BoardsView::StatusLine(const Board& b, std::size_t width) const {
    std::string line = b.name + "  ";
    if (automatic_)
        line += Translated(Arg(N_("chips %1  passed %2  failed %3"), b.passed + b.failed, b.passed,
                               b.failed)) +
                "  ";
    if (b.code >= 0)
        return CutText(line + Translated(Ending(b.code)), width);
    line += Translated(b.status);
    if (b.percent >= 0)
        line += " " + std::to_string(b.percent) + "%";
    return CutText(line, width);
}

// The cursor stands below the block; moving up over it redraws it in place.
void BoardsView::ClearBlock() {
    if (drawn_)
        err_ << "\x1b[" << boards_.size() << "A\r\x1b[J";
    drawn_ = false;
}

void BoardsView::Redraw() {
    ClearBlock();
    const std::size_t width = TerminalWidth();
    for (const Board& b : boards_)
        err_ << "\x1b[2K" << StatusLine(b, width) << '\n';
    err_ << std::flush;
    drawn_ = true;
}

void BoardsView::Message(std::size_t board, const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (!terminal_) {
        err_ << boards_[board].name << ": " << Translated(text) << '\n' << std::flush;
        return;
    }
    ClearBlock();
    err_ << boards_[board].name << ": " << Translated(text) << '\n';
    Redraw();
}

void BoardsView::Status(std::size_t board, const std::string& text) {
    const std::lock_guard lock(mutex_);
    boards_[board].status = text;
    boards_[board].percent = -1;
    if (!terminal_)
        err_ << boards_[board].name << ": " << Translated(text) << '\n' << std::flush;
    else
        Redraw();
}

void BoardsView::Progress(std::size_t board, int percent) {
    const std::lock_guard lock(mutex_);
    if (!terminal_ || boards_[board].percent == percent)
        return;
    boards_[board].percent = percent;
    Redraw();
}

void BoardsView::Tally(std::size_t board, int passed, int failed) {
    const std::lock_guard lock(mutex_);
    boards_[board].passed = passed;
    boards_[board].failed = failed;
    if (terminal_)
        Redraw();
}

void BoardsView::Finish(std::size_t board, int code) {
    const std::lock_guard lock(mutex_);
    boards_[board].code = code;
    if (terminal_)
        Redraw();
}

void BoardsView::Summary() {
    const std::lock_guard lock(mutex_);
    if (terminal_)
        ClearBlock();
    for (const Board& b : boards_) {
        err_ << Translated(automatic_ ? MeSays(N_("%1: %2 passed, %3 failed; %4 (exit code %5)"),
                                               b.name, b.passed, b.failed, Ending(b.code), b.code)
                                      : MeSays(N_("%1: %2 (exit code %3)"), b.name, Ending(b.code),
                                               b.code))
             << '\n';
    }
    err_ << std::flush;
}

void BoardOutput::Information(const std::string& text) {
    if (!quiet_)
        view_.Message(board_, OneLine(Translated(text)));
}

void BoardOutput::Error(const std::string& text) {
    view_.Message(board_, ErrorLine(text));
}

void BoardOutput::Question(const std::string& text, bool yes) {
    view_.Message(board_, QuestionLine(text, yes));
}

void BoardOutput::Status(const std::string& text) {
    if (text == status_)
        return;
    status_ = text;
    if (!quiet_)
        view_.Status(board_, text);
}

void BoardOutput::Progress(int value, int maximum) {
    if (quiet_ || value <= 0 || maximum <= 0)
        return;
    view_.Progress(board_, static_cast<int>(std::min<long long>(100, static_cast<long long>(value) *
                                                                         100 / maximum)));
}

void BoardOutput::Say(const std::string& text, bool always) {
    // The program's own lines name the program; here the board says who speaks.
    const std::string line = text.rfind(kMe, 0) == 0 ? text.substr(std::string(kMe).size()) : text;
    if (always || !quiet_)
        view_.Message(board_, line);
}

int RunBoards(const CliOptions& options, const CliEnvironment& env) {
    {
        // Bad input is refused once, before any board is touched.
        CliSession check(options, env);
        if (const int code = check.Prepare(); code != kExitOk)
            return code;
    }
    const std::size_t count = options.ports.size();
    BoardsView view(*env.err, env.errIsTerminal, options.command == CliCommand::Auto,
                    options.ports);
    std::vector<CliOptions> each(count, options);
    std::vector<int> codes(count, kExitOk);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < count; ++i) {
        each[i].port = options.ports[i];
        each[i].ports = {options.ports[i]};
        if (!options.record.empty())
            each[i].record = BoardRecordingPath(options.record, options.ports[i]);
        threads.emplace_back([&, i] {
            // The session is made on its thread, which owns and serves its port.
            BoardOutput out(view, i, *env.err, options.quiet);
            CliSession session(each[i], env, &out);
            codes[i] = session.Prepare();
            if (codes[i] == kExitOk)
                codes[i] = session.RunOnBoard();
            view.Finish(i, codes[i]);
        });
    }
    for (std::thread& t : threads)
        t.join();
    view.Summary();
    int worst = kExitOk;
    for (const int code : codes)
        worst = WorseExit(worst, code);
    return worst;
}
