#pragma once

#include "protocol/engine_texts.h"

#include <optional>

// The face's dialogs as the workbench and its engine tell their messages and
// ask their questions, with the last one kept as a value: an operation's
// report carries its last message, so no face reads it back from its boxes.
class MessageKeeper final {
public:
    explicit MessageKeeper(Dialogs& shown) : shown_(shown) {}

    // Worded by the catalogue.
    void Tell(const EngineMessage& message) {
        last_ = message;
        SayIn(shown_, message);
    }
    Dialogs::Answer Ask(const EngineMessage& question) {
        last_ = question;
        return SayIn(shown_, question);
    }
    Dialogs::Answer AskWithCancel(const EngineMessage& question) {
        last_ = question;
        return ::AskWithCancel(shown_, question);
    }

    // The last one; none since Forget.
    const std::optional<EngineMessage>& Last() const { return last_; }
    void Forget() { last_.reset(); }

private:
    Dialogs& shown_;
    std::optional<EngineMessage> last_;
};
