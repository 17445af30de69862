#pragma once

#include "cli/console_output.h"
#include "platform/dialogs.h"

#include <string>

// The program's message boxes on standard error. A question is printed with
// the answer it gets: Yes with --yes, otherwise No, so nothing is ever done to
// a chip that the user was not asked about. There are no file dialogs here:
// files come from the command line.
class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(ConsoleOutput& out, bool yes) : out_(out), yes_(yes) {}

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    Answer QuestionYesNo(const std::string& text) override;
    Answer QuestionYesNoCancel(const std::string& text) override;
    std::string OpenFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string SaveFile(const std::string&, const std::string&, const std::string&,
                         const std::string&) override {
        return {};
    }
    void Beep() override {}

    // Questions answered No so far.
    int Declined() const { return declined_; }

private:
    Answer Ask(const std::string& text);

    ConsoleOutput& out_;
    const bool yes_;
    int declined_ = 0;
};
