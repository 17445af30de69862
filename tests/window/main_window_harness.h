#pragma once

#include "app/proj_fm.h"
#include "platform/help_viewer_scripted.h"
#include "platform/scripted_dialogs.h"
#include "platform/sound_scripted.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A main window in a fresh program folder that is also the current directory,
// with scripted dialogs and a sleep that only adds up the time asked for.
class MainWindowHarness {
public:
    explicit MainWindowHarness(const std::string& name);
    ~MainWindowHarness();

    void WriteFile(const std::string& name, const std::string& contents) const;
    std::string ReadFile(const std::string& name) const;
    void CopyShippedChipFile() const;
    // Makes the folder an installed copy (the install mark) whose user's
    // configuration folder lies inside it; returns that folder, ending in '/'.
    std::string InstalledCopy();

    // Creates the window (closing one started before without asking) and runs
    // the first timer tick (the start-up sequence).
    TProjFm& Start(std::vector<std::string> args = {});
    // Closes the window as the user would; true when it closed.
    bool Close();

    std::filesystem::path dir;
    std::string programDir; // dir with a trailing separator ('\\' on Windows)
    ScriptedDialogs dialogs;
    Dialogs* boxes = nullptr; // dialogs to use instead of `dialogs` (set before Start)
    std::string systemRoot;   // the machine's sys/ and dev/ for the window (set before Start)
    int sleptMs = 0;
    ScriptedSound* sound = nullptr;     // owned by the window
    ScriptedHelpViewer* help = nullptr; // owned by the window
    std::unique_ptr<TProjFm> window;

private:
    std::filesystem::path oldCwd_;
    bool setConfigHome_ = false;
    std::optional<std::string> oldConfigHome_; // the user's folder's variable before
};
