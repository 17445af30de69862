#include "cli/file_watch.h"

#include "platform/utf8_path.h"

FileWatch::FileWatch(const std::string& path, std::chrono::milliseconds settle) : settle_(settle) {
    const std::filesystem::path file = PathOf(path);
    name_ = Utf8Of(file.filename());
    events_ = FolderEvents::Open(file.has_parent_path() ? Utf8Of(file.parent_path()) : ".", error_);
}

bool FileWatch::Changed() {
    if (events_ != nullptr && events_->Saw(name_)) {
        pending_ = true;
        last_ = std::chrono::steady_clock::now();
    }
    if (!pending_ || std::chrono::steady_clock::now() - last_ < settle_)
        return false;
    pending_ = false;
    return true;
}
