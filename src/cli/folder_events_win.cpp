#include "cli/folder_events.h"

#include "platform/utf8_path.h"
#include "platform/win_text.h"

#include <windows.h>

namespace {

constexpr DWORD kWatched =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

// ReadDirectoryChangesW, one overlapped request outstanding at a time. Windows
// reports each write rather than the close after it: the watch's settling
// time makes one change of them.
class DirectoryChanges final : public FolderEvents {
public:
    explicit DirectoryChanges(HANDLE folder) : folder_(folder) {
        overlapped_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~DirectoryChanges() override {
        if (asking_ && CancelIoEx(folder_, &overlapped_)) {
            DWORD ignored = 0;
            GetOverlappedResult(folder_, &overlapped_, &ignored, TRUE);
        }
        CloseHandle(folder_);
        CloseHandle(overlapped_.hEvent);
    }

    bool Ask() {
        ResetEvent(overlapped_.hEvent);
        asking_ = overlapped_.hEvent != nullptr &&
                  ReadDirectoryChangesW(folder_, buffer_, sizeof buffer_, FALSE, kWatched, nullptr,
                                        &overlapped_, nullptr);
        return asking_;
    }

    bool Saw(const std::string& name) override {
        DWORD bytes = 0;
        if (!asking_ || !GetOverlappedResult(folder_, &overlapped_, &bytes, FALSE))
            return false; // still pending, or the folder went and nothing more comes
        // No bytes: more happened than the buffer holds; the file may be among it.
        const bool saw = bytes == 0 || Named(Wide(name));
        Ask();
        return saw;
    }

private:
    bool Named(const std::wstring& name) const {
        for (DWORD at = 0;;) {
            const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(buffer_ + at);
            const int length = static_cast<int>(info->FileNameLength / sizeof(wchar_t));
            const bool written = info->Action == FILE_ACTION_ADDED ||
                                 info->Action == FILE_ACTION_MODIFIED ||
                                 info->Action == FILE_ACTION_RENAMED_NEW_NAME;
            // File names on Windows are the same name in any case.
            if (written && CompareStringOrdinal(info->FileName, length, name.c_str(),
                                                static_cast<int>(name.size()), TRUE) == CSTR_EQUAL)
                return true;
            if (info->NextEntryOffset == 0)
                return false;
            at += info->NextEntryOffset;
        }
    }

    HANDLE folder_;
    OVERLAPPED overlapped_{};
    bool asking_ = false;
    alignas(DWORD) BYTE buffer_[16384];
};

} // namespace

std::unique_ptr<FolderEvents> FolderEvents::Open(const std::string& folder, std::string& error) {
    HANDLE h =
        CreateFileW(PathOf(folder).c_str(), FILE_LIST_DIRECTORY,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = SystemMessage(GetLastError());
        return nullptr;
    }
    auto events = std::make_unique<DirectoryChanges>(h);
    if (!events->Ask()) {
        error = SystemMessage(GetLastError());
        return nullptr;
    }
    return events;
}
