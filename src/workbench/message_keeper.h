#pragma once

#include "platform/dialogs.h"

#include <string>

// The face's dialogs as the workbench and its engine use them, with the text
// of the last box shown kept: an operation's report carries its last message
// as a value, so no face reads it back from its own boxes.
class MessageKeeper final : public Dialogs {
public:
    explicit MessageKeeper(Dialogs& shown) : shown_(shown) {}

    void Information(const std::string& text) override {
        last_ = text;
        shown_.Information(text);
    }
    void Error(const std::string& text) override {
        last_ = text;
        shown_.Error(text);
    }
    Answer QuestionYesNo(const std::string& text) override {
        last_ = text;
        return shown_.QuestionYesNo(text);
    }
    Answer QuestionYesNoCancel(const std::string& text) override {
        last_ = text;
        return shown_.QuestionYesNoCancel(text);
    }
    std::string OpenFile(const std::string& title, const std::string& folder,
                         const std::string& filter) override {
        return shown_.OpenFile(title, folder, filter);
    }
    std::string SaveFile(const std::string& title, const std::string& folder,
                         const std::string& fileName, const std::string& filter) override {
        return shown_.SaveFile(title, folder, fileName, filter);
    }
    void Beep() override { shown_.Beep(); }

    // The last box's text; empty when none since Forget.
    const std::string& Last() const { return last_; }
    void Forget() { last_.clear(); }

private:
    Dialogs& shown_;
    std::string last_;
};
