#include "cli/console_dialogs.h"

void ConsoleDialogs::Information(const std::string& text) {
    out_.Information(text);
}

void ConsoleDialogs::Error(const std::string& text) {
    out_.Error(text);
}

Dialogs::Answer ConsoleDialogs::Ask(const std::string& text) {
    out_.Question(text, yes_);
    if (!yes_)
        ++declined_;
    return yes_ ? Answer::Yes : Answer::No;
}

Dialogs::Answer ConsoleDialogs::QuestionYesNo(const std::string& text) {
    return Ask(text);
}

Dialogs::Answer ConsoleDialogs::QuestionYesNoCancel(const std::string& text) {
    return Ask(text);
}
