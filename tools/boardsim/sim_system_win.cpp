#include "sim_system.h"

#include <windows.h>

#include <mmsystem.h>

#include <mutex>

namespace boardsim {

namespace {
std::string Utf8(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}
} // namespace

std::string ProgramFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (n == 0 || n >= MAX_PATH * 4)
        return ".";
    std::wstring text(path, n);
    text.erase(text.find_last_of(L"\\/"));
    return Utf8(text);
}

void WakePromptly() {
    // Asked once and kept until the process ends (the system drops it then).
    static std::once_flag asked;
    std::call_once(asked, [] { timeBeginPeriod(1); });
}

std::filesystem::path FilePath(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
    return wide;
}

} // namespace boardsim
