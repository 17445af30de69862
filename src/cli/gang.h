#pragma once

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "cli/console_output.h"

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

// Several boards in one run: one engine per board, each on a thread of its
// own (an engine is served by one thread, as the window serves its one).

// What the boards show on standard error. On a terminal one status line per
// board, redrawn in place, with the boards' messages scrolling above them;
// otherwise one line per event, each starting with its board.
class BoardsView {
public:
    // automatic: the boards count chips (auto), shown in their lines.
    BoardsView(std::ostream& err, bool terminal, bool automatic, std::vector<std::string> boards);

    void Message(std::size_t board, const std::string& text);
    void Status(std::size_t board, const std::string& text);
    void Progress(std::size_t board, int percent);
    void Tally(std::size_t board, int passed, int failed);
    // The board's run is over with this exit code.
    void Finish(std::size_t board, int code);
    // One line per board: its chips and how its run ended.
    void Summary();

private:
    struct Board {
        std::string name;
        std::string status;
        int percent = -1;
        int passed = 0;
        int failed = 0;
        int code = -1; // running
    };
    std::string StatusLine(const Board& b, std::size_t width) const;
    void Redraw();
    void ClearBlock();

    std::mutex mutex_;
    std::ostream& err_;
    const bool terminal_;
    const bool automatic_;
    std::vector<Board> boards_;
    bool drawn_ = false;
};

// One board's messages, status and progress, into the shared view.
class BoardOutput : public ConsoleOutput {
public:
    BoardOutput(BoardsView& view, std::size_t board, std::ostream& err, bool quiet)
        : ConsoleOutput(err, false, quiet), view_(view), board_(board), quiet_(quiet) {}

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    void Question(const std::string& text, bool yes) override;
    void Status(const std::string& text) override;
    void Progress(int value, int maximum) override;
    void Say(const std::string& text, bool always) override;
    void Tally(int passed, int failed) override { view_.Tally(board_, passed, failed); }

private:
    BoardsView& view_;
    const std::size_t board_;
    const bool quiet_;
    std::string status_;
};

// Runs the command on every --port at once; the exit code is the worst of
// the boards'. Input is checked once, before any port opens.
int RunBoards(const CliOptions& options, const CliEnvironment& env);
// A board's own recording when several record at once: run.jsonl on
// /dev/ttyUSB0 becomes run-devttyUSB0.jsonl (cli_record.cpp).
std::string BoardRecordingPath(const std::string& path, const std::string& port);
