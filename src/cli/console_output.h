#pragma once

#include <chrono>
#include <ostream>
#include <string>

// Standard error of the command-line program: the program's messages one per
// line, the status line as it changes, and on a terminal a progress bar that
// is redrawn in place. Nothing here goes to standard output.
class ConsoleOutput {
public:
    ConsoleOutput(std::ostream& err, bool terminal, bool quiet)
        : err_(err), terminal_(terminal), quiet_(quiet) {}

    // A message box of the program. Information is left out when quiet.
    void Information(const std::string& text);
    void Error(const std::string& text);
    void Question(const std::string& text, bool yes);
    void Status(const std::string& text);
    void Progress(int value, int maximum);
    // A line of the command-line program's own; `always` shows it when quiet too.
    void Say(const std::string& text, bool always = false);

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
