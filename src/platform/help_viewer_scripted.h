#pragma once

#include "platform/help_viewer.h"

#include <string>
#include <vector>

// Test help viewer: records the documents asked for and whether it is open.
class ScriptedHelpViewer final : public HelpViewer {
public:
    std::vector<std::string> shown;
    bool open = false;

    void OpenContents(const std::string& path) override {
        shown.push_back(path);
        open = true;
    }
    void Quit() override { open = false; }
};
