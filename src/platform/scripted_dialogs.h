#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A Dialogs for tests: records every box and dialog in order and answers
// questions and file dialogs from queues filled in advance. A question or file
// dialog with no queued answer is recorded as unexpected.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind; // "information", "error", "question", "question3", "open", "save", "beep"
        std::string text; // message text, or the dialog's title
        bool operator==(const Shown&) const = default;
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    int unexpected = 0;
    // Runs while each box is open, after it is recorded: what the program might
    // do meanwhile (a timer tick, another click) can be tried there.
    std::function<void(const Shown&)> whileOpen;

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    Answer QuestionYesNo(const std::string& text) override;
    Answer QuestionYesNoCancel(const std::string& text) override;
    std::string OpenFile(const std::string& title, const std::string& folder,
                         const std::string& filter) override;
    std::string SaveFile(const std::string& title, const std::string& folder,
                         const std::string& fileName, const std::string& filter) override;
    void Beep() override;

    // The texts shown, in order, whatever their kind (beeps excluded).
    std::vector<std::string> Texts() const;
    // Folder and file name the last save dialog was opened with.
    std::string lastFolder;
    std::string lastFileName;

private:
    void Record(std::string kind, const std::string& text);
    Answer NextAnswer(Answer fallback);
    std::string NextFile(const char* kind, const std::string& title, const std::string& folder);
};
