#include "platform/program_folder.h"

#include "platform/win_text.h"

#include <windows.h>

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return "./";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2); // a long path: cut off, try a larger buffer
    }
    return Utf8(path.substr(0, path.find_last_of(L"\\/") + 1));
}
