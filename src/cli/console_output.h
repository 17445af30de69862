#pragma once

#include <chrono>
#include <ostream>
#include <string>

// Standard error of the command-line program: the program's messages one per
// line, the status line as it changes, and on a terminal a progress bar that
// is redrawn in place. Nothing here goes to standard output. A run on several
// boards gives each board an output of its own that feeds a shared view.
class ConsoleOutput {
public:
    ConsoleOutput(std::ostream& err, bool terminal, bool quiet)
        : err_(err), terminal_(terminal), quiet_(quiet) {}
    virtual ~ConsoleOutput() = default;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // A message box of the program. Information is left out when quiet.
    virtual void Information(const std::string& text);
    virtual void Error(const std::string& text);
    virtual void Question(const std::string& text, bool yes);
    virtual void Status(const std::string& text);
    virtual void Progress(int value, int maximum);
    // A line of the command-line program's own; `always` shows it when quiet too.
    virtual void Say(const std::string& text, bool always = false);
    // The automatic loop's count so far.
    virtual void Tally(int /*passed*/, int /*failed*/) {}

private:
    void Line(const std::string& text);
    void ClearBar();

    std::ostream& err_;
    const bool terminal_;
    const bool quiet_;
    std::string status_;
    int percent_ = -1;
    std::chrono::steady_clock::time_point barAt_; // when the bar was last drawn
    bool barShown_ = false;
};

// A message as one line: its line breaks become " / ", blank lines vanish.
std::string OneLine(const std::string& text);

// At most `bytes` bytes of `text`, never half a UTF-8 character.
std::string CutText(const std::string& text, std::size_t bytes);

// A message box of the program as a line, in the user's language.
std::string ErrorLine(const std::string& text);
std::string QuestionLine(const std::string& text, bool yes);
