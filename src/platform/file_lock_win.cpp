#include "platform/file_lock.h"

#include "platform/utf8_path.h"
#include "platform/win_text.h"

#include <windows.h>

FileLock::FileLock(const std::string& path) {
    HANDLE h = CreateFileW(PathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    OVERLAPPED whole{};
    // The first byte stands for the file: every holder locks the same range.
    if (h != INVALID_HANDLE_VALUE && LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
        handle_ = reinterpret_cast<std::intptr_t>(h);
        return;
    }
    reason_ = SystemMessage(GetLastError());
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
}

FileLock::~FileLock() {
    if (Held())
        CloseHandle(reinterpret_cast<HANDLE>(handle_)); // closing releases the lock
}
