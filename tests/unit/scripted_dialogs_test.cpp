#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

TEST(ScriptedDialogs, AnswersFromTheQueueAndCountsMissingAnswers) {
    ScriptedDialogs d;
    d.answers = {Dialogs::Answer::Yes};
    EXPECT_EQ(d.QuestionYesNo("Save?"), Dialogs::Answer::Yes);
    EXPECT_EQ(d.QuestionYesNoCancel("Again?"), Dialogs::Answer::Cancel);
    d.Error("Bad\rthing");
    EXPECT_EQ(d.unexpected, 1);
    EXPECT_EQ(d.Texts(), (std::vector<std::string>{"Save?", "Again?", "Bad\rthing"}));
    EXPECT_EQ(d.shown.back().kind, "error");
}
