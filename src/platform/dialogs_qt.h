#pragma once

#include "platform/dialogs.h"

class QWidget;

// Message boxes and file dialogs of the toolkit, over the active window.
class QtDialogs : public Dialogs {
public:
    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    Answer QuestionYesNo(const std::string& text) override;
    Answer QuestionYesNoCancel(const std::string& text) override;
    std::string OpenFile(const std::string& title, const std::string& folder,
                         const std::string& filter) override;
    std::string SaveFile(const std::string& title, const std::string& folder,
                         const std::string& fileName, const std::string& filter) override;
    void Beep() override;
};
