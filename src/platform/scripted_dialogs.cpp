#include "platform/scripted_dialogs.h"

void ScriptedDialogs::Record(std::string kind, const std::string& text) {
    shown.push_back({std::move(kind), text});
    if (whileOpen) {
        const Shown box = shown.back();
        whileOpen(box);
    }
}

void ScriptedDialogs::Information(const std::string& text) {
    Record("information", text);
}

void ScriptedDialogs::Error(const std::string& text) {
    Record("error", text);
}

Dialogs::Answer ScriptedDialogs::NextAnswer(Answer fallback) {
    if (answers.empty()) {
        ++unexpected;
        return fallback;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

Dialogs::Answer ScriptedDialogs::QuestionYesNo(const std::string& text) {
    Record("question", text);
    return NextAnswer(Answer::No);
}

Dialogs::Answer ScriptedDialogs::QuestionYesNoCancel(const std::string& text) {
    Record("question3", text);
    return NextAnswer(Answer::Cancel);
}

std::string ScriptedDialogs::NextFile(const char* kind, const std::string& title,
                                      const std::string& folder) {
    shown.push_back({kind, title});
    lastFolder = folder;
    if (files.empty()) {
        ++unexpected;
        return {};
    }
    std::string f = files.front();
    files.pop_front();
    return f;
}

std::string ScriptedDialogs::OpenFile(const std::string& title, const std::string& folder,
                                      const std::string&) {
    return NextFile("open", title, folder);
}

std::string ScriptedDialogs::SaveFile(const std::string& title, const std::string& folder,
                                      const std::string& fileName, const std::string&) {
    lastFileName = fileName;
    return NextFile("save", title, folder);
}

void ScriptedDialogs::Beep() {
    shown.push_back({"beep", ""});
}

std::vector<std::string> ScriptedDialogs::Texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown)
        if (s.kind != "beep")
            out.push_back(s.text);
    return out;
}
