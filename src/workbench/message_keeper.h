#pragma once

#include "platform/dialogs.h"
#include "protocol/engine_texts.h"

#include <optional>
#include <string>

// The face's dialogs as the workbench and its engine use them, with the last
// box shown kept as a value: the engine's and the workbench's messages as they
// were told, and the boxes of the libraries they use (a port that failed, a
// file that did not load) with their words. An operation's report carries its
// last message, so no face reads it back from its own boxes.
class MessageKeeper final : public Dialogs {
public:
    explicit MessageKeeper(Dialogs& shown) : shown_(shown) {}

    // The engine's messages and questions, worded by the catalogue.
    void Tell(const EngineMessage& message) {
        last_ = message;
        SayIn(shown_, message);
    }
    Answer Ask(const EngineMessage& question) {
        last_ = question;
        return SayIn(shown_, question);
    }
    Answer AskWithCancel(const EngineMessage& question) {
        last_ = question;
        return ::AskWithCancel(shown_, question);
    }

    void Information(const std::string& text) override {
        Keep(MessageKind::Information, text);
        shown_.Information(text);
    }
    void Error(const std::string& text) override {
        Keep(MessageKind::Error, text);
        shown_.Error(text);
    }
    Answer QuestionYesNo(const std::string& text) override {
        Keep(MessageKind::Question, text);
        return shown_.QuestionYesNo(text);
    }
    Answer QuestionYesNoCancel(const std::string& text) override {
        Keep(MessageKind::Question, text);
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

    // The last box; none since Forget.
    const std::optional<EngineMessage>& Last() const { return last_; }
    void Forget() { last_.reset(); }

private:
    void Keep(MessageKind kind, const std::string& text) {
        last_ = EngineMessage::WordedBox(kind, text);
    }

    Dialogs& shown_;
    std::optional<EngineMessage> last_;
};
