#pragma once

#include <string>

// The help viewer: the program's help document in a window of its own, beside
// the main window.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the contents page of the help document `path`, opening the viewer
    // or bringing it to the front.
    virtual void OpenContents(const std::string& path) = 0;
    // Closes the viewer if it is open: the program is closing.
    virtual void Quit() = 0;
};
