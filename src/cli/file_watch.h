#pragma once

#include "cli/folder_events.h"

#include <chrono>
#include <memory>
#include <string>

// Waits for a file to be rewritten: written in place, or replaced by a rename
// onto its name (as editors and assemblers save). The file's folder is
// watched, so a replaced file is still followed. A change counts once no
// other has come for the settling time: a save in several steps is one change.
class FileWatch {
public:
    explicit FileWatch(const std::string& path,
                       std::chrono::milliseconds settle = std::chrono::milliseconds(200));

    // False when the folder cannot be watched (the reason in Error()).
    bool Ok() const { return events_ != nullptr; }
    const std::string& Error() const { return error_; }
    // Takes the events so far without waiting; true once a change has settled
    // (and then forgets it).
    bool Changed();

private:
    std::unique_ptr<FolderEvents> events_;
    std::string name_;
    std::string error_;
    std::chrono::milliseconds settle_;
    bool pending_ = false;
    std::chrono::steady_clock::time_point last_;
};
