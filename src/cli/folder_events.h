#pragma once

#include <memory>
#include <string>

// The files written or renamed into one folder, as the system reports them
// (no polling); one file per platform.
class FolderEvents {
public:
    // Watches `folder` from now on; nullptr and the system's reason when it
    // cannot be watched.
    static std::unique_ptr<FolderEvents> Open(const std::string& folder, std::string& error);
    virtual ~FolderEvents() = default;
    // Takes what was reported since the last call, without waiting; true when
    // the file `name` was among the files written or renamed onto.
    virtual bool Saw(const std::string& name) = 0;
};
