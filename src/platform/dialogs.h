#pragma once

#include <string>

// Message boxes, file dialogs and the beep. The program shows every message
// through this interface so that tests can answer and check them.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual Answer QuestionYesNo(const std::string& text) = 0;
    virtual Answer QuestionYesNoCancel(const std::string& text) = 0;
    // Returns the chosen path, or empty when the user cancels.
    virtual std::string OpenFile(const std::string& title, const std::string& folder,
                                 const std::string& filter) = 0;
    virtual std::string SaveFile(const std::string& title, const std::string& folder,
                                 const std::string& fileName, const std::string& filter) = 0;
    virtual void Beep() = 0;
};
